#include "checks.h"
#include "failure.h"
#include "reference_quantity.h"

#include "host/quantity_reading.h"
#include "host/runtime_error.h"

#include <cmath>
#include <string>

using vondrel::host::RuntimeError;
using Fate = ReferenceQuantity::Fate;

namespace {

std::string Describe(const ReferenceQuantity& quantity)
{
    switch (quantity.fate) {
    case Fate::Value: return Show(quantity.value);
    case Fate::Overflow: return "the overflow error";
    case Fate::DivisionByZero: return "the division-by-zero error";
    }
    return {};
}

template <typename Read>
std::optional<double> CheckReading(const char* quantity, Read read, std::u16string_view text,
                                   const ReferenceQuantity& expected)
{
    const std::string reading = std::string("reading the ") + quantity + " " + Quote(text);
    try {
        const double number = read(text);
        const bool same = number == expected.value && std::signbit(number) == std::signbit(expected.value);
        if (expected.fate != Fate::Value || !same)
            Fail(reading + " gave " + Show(number) + ", not " + Describe(expected));
        return number;
    } catch (const RuntimeError& error) {
        const Fate raised = error.number() == RuntimeError::Number::Overflow ? Fate::Overflow : Fate::DivisionByZero;
        if (raised != expected.fate)
            Fail(reading + " raised " + error.what() + ", not " + Describe(expected));
        return std::nullopt;
    }
}

}  // namespace

std::optional<double> CheckLoadReading(std::u16string_view text)
{
    return CheckReading("load", vondrel::host::ReadLoadOhms, text, ReferenceLoad(text));
}

std::optional<double> CheckPeriodReading(std::u16string_view text)
{
    return CheckReading("period", vondrel::host::ReadPeriodSeconds, text, ReferencePeriod(text));
}
