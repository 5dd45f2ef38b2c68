// The page's one way into the core: what a press of 计算 shows, as
// PresentCalculation decides it for the desktop programs. The page module
// (calculation.js) writes the texts in, reads the parts back, and raises a
// run-time error in JavaScript where the core raised one here.

#include "calc/calculation_presenter.h"
#include "host/runtime_error.h"

#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

// What the last call showed, each part as UTF-16, kept until the next call.
enum Part { kMessage, kResultText, kAnnouncement, kErrorReport, kPartCount };
std::array<std::u16string, kPartCount> shown;

std::u16string_view View(const char16_t* text, std::size_t length)
{
    return {text, length};
}

}  // namespace

extern "C" {

// Calculates from the boxes' texts, `unitName` being how the result's unit is
// spoken. Returns false where the calculation raised a run-time error, whose
// report is then the kErrorReport part; true where the other parts hold
// what the window shows.
EMSCRIPTEN_KEEPALIVE bool vondrel_present(const char16_t* load, std::size_t loadLength, const char16_t* period,
                                          std::size_t periodLength, const char16_t* unitName,
                                          std::size_t unitNameLength)
{
    shown = {};
    try {
        vondrel::CalculationPresentation presentation = vondrel::PresentCalculation(
            View(load, loadLength), View(period, periodLength), View(unitName, unitNameLength));
        shown[kMessage] = presentation.message;
        shown[kResultText] = std::move(presentation.resultText);
        shown[kAnnouncement] = std::move(presentation.announcement);
        return true;
    } catch (const vondrel::host::RuntimeError& error) {
        shown[kErrorReport] = error.report();
        return false;
    }
}

EMSCRIPTEN_KEEPALIVE const char16_t* vondrel_shown_part(int part)
{
    return shown.at(static_cast<std::size_t>(part)).c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t vondrel_shown_length(int part)
{
    return shown.at(static_cast<std::size_t>(part)).size();
}

}  // extern "C"
