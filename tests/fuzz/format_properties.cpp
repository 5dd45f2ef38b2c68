#include "format_properties.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// One unit in the 15th significant digit of `value`; 0 for 0.
long double FifteenthDigitUnit(long double value)
{
    const long double magnitude = std::fabs(value);
    if (magnitude == 0)
        return 0;
    // log10 may miss by one next to a power of ten; the loops settle it.
    long double leading = std::pow(10.0L, std::floor(std::log10(magnitude)));
    while (leading > magnitude)
        leading /= 10;
    while (leading * 10 <= magnitude)
        leading *= 10;
    return leading * 1e-14L;
}

}  // namespace

bool HasOneDecimalShape(std::u16string_view text)
{
    std::size_t at = text.starts_with(u'-') ? 1 : 0;
    const std::size_t integerStart = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    const std::size_t integerDigits = at - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == u'0'))
        return false;
    return text.size() == at + 2 && text[at] == u'.' && IsDigit(text[at + 1]);
}

std::string Narrow(std::u16string_view oneDecimalText)
{
    std::string ascii;
    for (const char16_t c : oneDecimalText)
        ascii += static_cast<char>(c);
    return ascii;
}

std::size_t SignificantDigits(std::u16string_view oneDecimalText)
{
    std::u16string digits;
    for (const char16_t c : oneDecimalText)
        if (IsDigit(c))
            digits += c;
    const std::size_t first = digits.find_first_not_of(u'0');
    if (first == std::u16string::npos)
        return 0;
    return digits.find_last_not_of(u'0') - first + 1;
}

bool ShowsRoundedToTenths(std::u16string_view oneDecimalText, long double exact, long double units)
{
    const long double shown = std::strtold(Narrow(oneDecimalText).c_str(), nullptr);
    return std::fabs(shown - exact) <= 0.05L + units * FifteenthDigitUnit(exact);
}
