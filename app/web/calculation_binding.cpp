// The page's one way into the core: what a press of 计算 shows, as
// PresentCalculation decides it for the desktop programs. The page module
// (calculation.js) writes the texts in, reads the parts back, and raises a
// run-time error in JavaScript where the core raised one here.

#include "calc/calculation_presenter.h"
#include "host/runtime_error.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace {

// The parts of what a call shows, by the names that the page reads them by
// (vondrel_part_name), so that the page holds no index of its own.
constexpr std::array<std::u16string_view, 4> kParts = {u"message", u"resultText", u"announcement", u"errorReport"};

// What the last call showed, each part as UTF-16, kept until the next call.
std::array<std::u16string, kParts.size()> shown;

// The index of the named part; a name that is not one does not compile.
consteval std::size_t Part(std::u16string_view name)
{
    const auto found = std::find(kParts.begin(), kParts.end(), name);
    if (found == kParts.end()) {
        throw "no such part";
    }
    return static_cast<std::size_t>(found - kParts.begin());
}

std::u16string_view View(const char16_t* text, std::size_t length)
{
    return {text, length};
}

}  // namespace

extern "C" {

// Calculates from the boxes' texts, `unitName` being how the result's unit is
// spoken. Returns false where the calculation raised a run-time error, whose
// report is then the errorReport part; true where the other parts hold
// what the window shows.
EMSCRIPTEN_KEEPALIVE bool vondrel_present(const char16_t* load, std::size_t loadLength, const char16_t* period,
                                          std::size_t periodLength, const char16_t* unitName,
                                          std::size_t unitNameLength)
{
    shown = {};
    try {
        vondrel::CalculationPresentation presentation = vondrel::PresentCalculation(
            View(load, loadLength), View(period, periodLength), View(unitName, unitNameLength));
        shown[Part(u"message")] = presentation.message;
        shown[Part(u"resultText")] = std::move(presentation.resultText);
        shown[Part(u"announcement")] = std::move(presentation.announcement);
        return true;
    } catch (const vondrel::host::RuntimeError& error) {
        shown[Part(u"errorReport")] = error.report();
        return false;
    }
}

// The part's name, ended by a zero; none past the last part.
EMSCRIPTEN_KEEPALIVE const char16_t* vondrel_part_name(std::size_t part)
{
    return part < kParts.size() ? kParts[part].data() : nullptr;
}

EMSCRIPTEN_KEEPALIVE const char16_t* vondrel_shown_part(std::size_t part)
{
    return shown.at(part).c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t vondrel_shown_length(std::size_t part)
{
    return shown.at(part).size();
}

}  // extern "C"
