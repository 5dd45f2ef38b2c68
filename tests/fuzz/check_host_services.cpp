#include "checks.h"
#include "failure.h"
#include "format_properties.h"
#include "reference.h"

#include "host/number_conversion.h"
#include "host/number_format.h"
#include "host/runtime_error.h"
#include "host/trim.h"

#include <cmath>
#include <cstdlib>
#include <string>

using vondrel::host::RuntimeError;

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool AllBlank(std::u16string_view text)
{
    for (const char16_t c : text)
        if (!IsBlank(c))
            return false;
    return true;
}

// Equal, and with the same sign when both are zero.
bool SameDouble(double left, double right)
{
    return left == right && std::signbit(left) == std::signbit(right);
}

}  // namespace

void CheckTrim(std::u16string_view text)
{
    const std::u16string_view trimmed = vondrel::host::TrimBlanks(text);
    if (trimmed.empty()) {
        if (!AllBlank(text))
            Fail("trimming " + Quote(text) + " left nothing");
        return;
    }
    const bool inside = trimmed.data() >= text.data() && trimmed.data() + trimmed.size() <= text.data() + text.size();
    if (!inside)
        Fail("trimming " + Quote(text) + " gave a text outside it");
    const auto before = static_cast<std::size_t>(trimmed.data() - text.data());
    const std::u16string_view dropped[] = {text.substr(0, before), text.substr(before + trimmed.size())};
    if (!AllBlank(dropped[0]) || !AllBlank(dropped[1]) || IsBlank(trimmed.front()) || IsBlank(trimmed.back()))
        Fail("trimming " + Quote(text) + " gave " + Quote(trimmed));
}

std::optional<double> CheckConversion(std::u16string_view text)
{
    const ReferenceNumber expected = ReferenceReading(text);
    try {
        const double number = vondrel::host::ReadLeadingNumber(text);
        if (expected.tooLarge)
            Fail("reading " + Quote(text) + " gave " + Show(number) + ", not the overflow error");
        if (!SameDouble(number, expected.value))
            Fail("reading " + Quote(text) + " gave " + Show(number) + ", not " + Show(expected.value));
        return number;
    } catch (const RuntimeError& error) {
        if (!expected.tooLarge || error.number() != RuntimeError::Number::Overflow)
            Fail("reading " + Quote(text) + " raised " + error.what() + ", not " + Show(expected.value));
        return std::nullopt;
    }
}

void CheckFormat(double value)
{
    const std::u16string text = vondrel::host::FormatOneDecimal(value);
    const std::string formatting = "formatting " + Show(value) + " gave " + Quote(text);
    if (!HasOneDecimalShape(text))
        Fail(formatting + ", not the \"0.0\" shape");
    if (text == u"-0.0" || (text != u"0.0" && text.starts_with(u'-') != (value < 0)))
        Fail(formatting + ", with the wrong sign");
    // Rounding a double to 15 digits moves it by half a unit at most; a
    // thousandth more allows for reading the text back in long double.
    if (!ShowsRoundedToTenths(text, value, 0.501L))
        Fail(formatting + ", not the value rounded to tenths");
    if (SignificantDigits(text) > 15)
        Fail(formatting + ", with more than 15 significant digits");

    // A number rounded up beyond the largest double has no double to read back.
    const double shown = std::strtod(Narrow(text).c_str(), nullptr);
    if (std::isfinite(shown) && vondrel::host::FormatOneDecimal(shown) != text)
        Fail(formatting + ", which formats as " + Quote(vondrel::host::FormatOneDecimal(shown)) + " when read back");
}
