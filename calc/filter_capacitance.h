#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace vondrel {

// What a press of Calculate comes to: either a box was left empty, or the
// capacitance in microfarads as the output box shows it.
struct CalculationOutcome {
    enum class Kind { IncompleteInput, Value };

    static CalculationOutcome IncompleteInput() { return {Kind::IncompleteInput, {}}; }
    static CalculationOutcome Value(std::u16string resultText) { return {Kind::Value, std::move(resultText)}; }

    Kind kind;
    std::u16string resultText;  // empty for incomplete input

    friend bool operator==(const CalculationOutcome&, const CalculationOutcome&) = default;
};

// Shown to the user for the incomplete-input outcome.
inline constexpr std::u16string_view kIncompleteInputMessage = u"请填写完整的输入数据！";

// The smallest smoothing capacitance for a rectifier with load resistance R
// (ohms, the load text) on a supply of period T (seconds, the period text):
// the lower bound of C ≥ (3~5)·T / (2·R), in microfarads with one decimal.
//
// Blank texts give IncompleteInput; otherwise each text is read for the number
// it begins with and the suffix that scales it ("4k7", "20ms", "50Hz"), so
// text that is not a number counts as what it starts with, or as zero. A zero
// load or frequency, or a result beyond the range of a double, throws
// host::RuntimeError and gives no outcome.
CalculationOutcome CalculateFilterCapacitance(std::u16string_view loadText,
                                              std::u16string_view periodText);

}  // namespace vondrel
