#include "host/number_format.h"

#include "host/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

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

// A natural number in base 10^9, least significant limb first: just enough
// arithmetic to write out a double's exact decimal expansion.
class DecimalInteger {
public:
    explicit DecimalInteger(std::uint64_t value)
    {
        limbs_.reserve(kMostLimbs);
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void MultiplyByPower(std::uint32_t base, int exponent)
    {
        while (exponent > 0) {
            // As many factors as fit in 32 bits, so that no product overflows 64.
            std::uint32_t factor = 1;
            for (; exponent > 0 && factor <= std::numeric_limits<std::uint32_t>::max() / base; --exponent)
                factor *= base;
            MultiplyBy(factor);
        }
    }

    // The first `count` digits, cut off, zeros past the last.
    Decimal Leading(std::size_t count) const
    {
        Decimal leading{std::to_string(limbs_.back())};
        leading.leadingPower = static_cast<int>(leading.digits.size() + kLimbDigits * (limbs_.size() - 1)) - 1;
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend() && leading.digits.size() < count; ++limb) {
            const std::string text = std::to_string(*limb);
            leading.digits.append(kLimbDigits - text.size(), '0');
            leading.digits += text;
        }
        leading.digits.resize(count, '0');
        return leading;
    }

private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    static constexpr std::size_t kLimbDigits = 9;
    // Enough for the longest, 767 digits: a subnormal's m·5^1074 with m < 2^52.
    static constexpr std::size_t kMostLimbs = 86;

    void MultiplyBy(std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
    }

    std::vector<std::uint32_t> limbs_;
};

// The first kSignificantDigits + 1 digits of |value|'s exact decimal
// expansion, cut off, not rounded. |value| is m·2^e with an integer m: for
// e >= 0 that is an integer, and below it m·5^-e·10^e, whose digits are those
// of the integer m·5^-e.
Decimal LeadingDigits(double value)
{
    constexpr std::size_t kDigits = kSignificantDigits + 1;
    if (value == 0)
        return {std::string(kDigits, '0'), 0};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    exponent -= kMantissaBits;
    // Fewer fives to multiply by: 300.0 is the integer 300, not 5277655813324800·2^-44.
    for (; exponent < 0 && mantissa % 2 == 0; ++exponent)
        mantissa /= 2;

    DecimalInteger integer(mantissa);
    const int fives = exponent < 0 ? -exponent : 0;
    if (fives > 0)
        integer.MultiplyByPower(5, fives);
    else
        integer.MultiplyByPower(2, exponent);
    Decimal leading = integer.Leading(kDigits);
    leading.leadingPower -= fives;
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
