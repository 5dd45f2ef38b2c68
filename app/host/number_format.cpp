#include "host/number_format.h"

#include "host/runtime_error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace vondrel::host {

namespace {

constexpr int kSignificantDigits = 15;

// A digit string and the power of ten of its first digit: {"123", 1} is 12.3.
struct Decimal {
    std::string digits;
    int leadingPower = 0;
};

// Adds one unit in the last place of a digit string; a carry out of the first
// digit prepends a "1" and reports it.
bool IncrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// The first kSignificantDigits + 1 digits of |value|'s exact decimal
// expansion, cut off, not rounded: no double needs more than 767 significant
// digits, so std::to_chars with that precision does no rounding of its own.
Decimal LeadingDigits(double value)
{
    constexpr int kExactDigits = 767;
    std::array<char, kExactDigits + 16> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific,
                                       kExactDigits - 1);
    // The text reads "d.ddd…e±pp".
    const std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    Decimal leading;
    leading.digits += text[0];
    leading.digits += text.substr(2, kSignificantDigits);
    const char* exponentText = text.data() + text.find('e') + 1;
    if (*exponentText == '+')
        ++exponentText;
    std::from_chars(exponentText, text.data() + text.size(), leading.leadingPower);
    return leading;
}

// Rounds to the digits before position `keep`, ties away from zero. The
// digits are exact, so the first dropped digit alone decides.
Decimal RoundToSignificant(Decimal decimal, std::size_t keep)
{
    const bool roundUp = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (roundUp && IncrementDigits(decimal.digits)) {
        decimal.digits.pop_back();
        ++decimal.leadingPower;
    }
    return decimal;
}

// The digit worth 10^power, 0 where the digit string does not reach.
char DigitAt(const Decimal& decimal, int power)
{
    const int index = decimal.leadingPower - power;
    if (index < 0 || index >= static_cast<int>(decimal.digits.size()))
        return '0';
    return decimal.digits[static_cast<std::size_t>(index)];
}

// The value in tenths as a digit string, rounded at the hundredths, ties away
// from zero.
std::string ToTenths(const Decimal& decimal)
{
    std::string tenths;
    for (int power = std::max(decimal.leadingPower, 0); power >= -1; --power)
        tenths += DigitAt(decimal, power);
    if (DigitAt(decimal, -2) >= '5')
        IncrementDigits(tenths);
    return tenths;
}

}  // namespace

std::u16string FormatOneDecimal(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::Overflow();

    const Decimal rounded = RoundToSignificant(LeadingDigits(value), kSignificantDigits);
    std::string tenths = ToTenths(rounded);
    const auto firstNonZero = tenths.find_first_not_of('0');
    const bool isZero = firstNonZero == std::string::npos;
    // Keep one digit before the point.
    tenths.erase(0, std::min(firstNonZero, tenths.size() - 2));

    std::u16string text;
    text.reserve(tenths.size() + 2);
    if (std::signbit(value) && !isZero)
        text += u'-';
    text.append(tenths.begin(), tenths.end() - 1);
    text += u'.';
    text += static_cast<char16_t>(tenths.back());
    return text;
}

}  // namespace vondrel::host
