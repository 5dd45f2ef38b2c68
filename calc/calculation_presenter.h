#pragma once

#include <string>
#include <string_view>

namespace vondrel {

// What the calculator window shows once Calculate is pressed, the same on
// every platform: either a message box, or a new text for the output box
// with what a screen reader is to hear of it.
struct CalculationPresentation {
    std::u16string_view message;  // the box's prompt; empty when a result shows
    std::u16string resultText;    // the output box's new text; empty when the box shows
    std::u16string announcement;  // the result with its unit spoken, such as "300.0 微法"

    friend bool operator==(const CalculationPresentation&, const CalculationPresentation&) = default;
};

// Calculates from the two input texts and decides what the window shows.
// `unitName` is how a screen reader speaks the result's unit: the window's
// own accessible name of it, so that the design stays its one source.
//
// A run-time error of the calculation is not caught here: like every error
// in a Click handler, it travels up to where the handler was dispatched,
// which reports it (host::RuntimeError::report()) and lets the program go on.
CalculationPresentation PresentCalculation(std::u16string_view loadText, std::u16string_view periodText,
                                           std::u16string_view unitName);

}  // namespace vondrel
