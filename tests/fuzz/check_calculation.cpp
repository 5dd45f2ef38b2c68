#include "checks.h"
#include "failure.h"
#include "format_properties.h"
#include "reference.h"

#include "calc/filter_capacitance.h"
#include "host/quantity_reading.h"
#include "host/runtime_error.h"
#include "host/trim.h"

#include <optional>
#include <string>

using vondrel::CalculationOutcome;
using vondrel::host::RuntimeError;
using Fate = ReferenceCapacitance::Fate;

namespace {

struct Expectation {
    bool incomplete;
    ReferenceCapacitance capacitance;  // unless incomplete
};

// The numbers come from the conversion under test, itself checked against
// the reference reading; an error there, an overflow or a frequency of zero,
// is the calculation's error.
Expectation Expect(std::u16string_view loadText, std::u16string_view periodText)
{
    const std::u16string_view load = vondrel::host::TrimBlanks(loadText);
    const std::u16string_view period = vondrel::host::TrimBlanks(periodText);
    if (load.empty() || period.empty())
        return {true, {}};
    try {
        const double resistance = vondrel::host::ReadLoadOhms(load);
        const double periodSeconds = vondrel::host::ReadPeriodSeconds(period);
        return {false, ReferenceCalculation(resistance, periodSeconds)};
    } catch (const RuntimeError& error) {
        const bool overflow = error.number() == RuntimeError::Number::Overflow;
        return {false, {overflow ? Fate::Overflow : Fate::DivisionByZero, 0, false}};
    }
}

std::string Describe(const std::optional<CalculationOutcome>& outcome, const std::optional<RuntimeError>& error)
{
    if (error)
        return error->what();
    if (outcome->kind == CalculationOutcome::Kind::IncompleteInput)
        return "incomplete input";
    return "value " + Quote(outcome->resultText);
}

bool IsValue(const std::optional<CalculationOutcome>& outcome)
{
    return outcome && outcome->kind == CalculationOutcome::Kind::Value && HasOneDecimalShape(outcome->resultText);
}

bool Raised(const std::optional<RuntimeError>& error, RuntimeError::Number number)
{
    return error && error->number() == number;
}

}  // namespace

void CheckCalculation(std::u16string_view loadText, std::u16string_view periodText)
{
    const Expectation expected = Expect(loadText, periodText);
    std::optional<CalculationOutcome> outcome;
    std::optional<RuntimeError> error;
    try {
        outcome = vondrel::CalculateFilterCapacitance(loadText, periodText);
    } catch (const RuntimeError& raised) {
        error = raised;
    }

    bool met = false;
    std::string wanted;
    if (expected.incomplete) {
        met = outcome == CalculationOutcome::IncompleteInput();
        wanted = "incomplete input";
    } else {
        const ReferenceCapacitance& capacitance = expected.capacitance;
        switch (capacitance.fate) {
        case Fate::Value:
            // Worked out in long double, not in the calculation's doubles: a
            // whole unit in the 15th digit for the difference.
            met = IsValue(outcome) && ShowsRoundedToTenths(outcome->resultText, capacitance.microfarads, 1);
            wanted = Show(capacitance.microfarads) + " rounded to tenths";
            break;
        case Fate::Overflow:
            met = Raised(error, RuntimeError::Number::Overflow);
            wanted = "the overflow error";
            break;
        case Fate::DivisionByZero:
            met = Raised(error, RuntimeError::Number::DivisionByZero);
            wanted = "the division-by-zero error";
            break;
        }
        if (capacitance.mayOverflow) {
            met = met || Raised(error, RuntimeError::Number::Overflow);
            wanted += " or the overflow error";
        }
    }
    if (!met)
        Fail("load " + Quote(loadText) + " and period " + Quote(periodText) + " gave " +
             Describe(outcome, error) + ", not " + wanted);
}
