#include "reference.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string>

namespace {

// The ASCII character that `c` stands for in a number, '\0' for none.
char NumberCharacter(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return static_cast<char>(c);
    if (c >= u'０' && c <= u'９')
        return static_cast<char>('0' + (c - u'０'));
    switch (c) {
    case u'+': case u'＋': return '+';
    case u'-': case u'－': return '-';
    case u'.': case u'．': case u'。': case u'｡': return '.';
    case u'e': case u'ｅ': return 'e';
    case u'E': case u'Ｅ': return 'E';
    default: return '\0';
    }
}

enum class Range { Inside, Beyond, Borderline };

// Double rounding in the code under test moves a result by a few parts in
// 10^16; this margin around the largest double leaves that to either side.
Range RangeOf(long double value)
{
    constexpr long double largest = std::numeric_limits<double>::max();
    constexpr long double margin = 1e-15L;
    const long double magnitude = std::fabs(value);
    if (magnitude < largest * (1 - margin))
        return Range::Inside;
    if (magnitude > largest * (1 + margin))
        return Range::Beyond;
    return Range::Borderline;
}

}  // namespace

std::string NumberRun(std::u16string_view text)
{
    std::string ascii;
    for (const char16_t c : text) {
        const char number = NumberCharacter(c);
        if (number == '\0')
            break;
        ascii += number;
    }
    return ascii;
}

ReferenceNumber ReferenceReading(std::u16string_view text)
{
    const std::string ascii = NumberRun(text);
    errno = 0;
    const double value = std::strtod(ascii.c_str(), nullptr);
    return {value, errno == ERANGE && std::isinf(value)};
}

ReferenceCapacitance ReferenceCalculation(double resistance, double period)
{
    using Fate = ReferenceCapacitance::Fate;
    const long double p = 3.0L * period;
    const long double q = p * 1000000.0L;
    const long double d = 2.0L * resistance;

    // All three products come before the division, and any of them beyond a
    // double's range raises the same error.
    bool mayOverflow = false;
    for (const long double product : {p, q, d}) {
        const Range range = RangeOf(product);
        if (range == Range::Beyond)
            return {Fate::Overflow, 0, false};
        mayOverflow = mayOverflow || range == Range::Borderline;
    }
    if (d == 0)
        return {Fate::DivisionByZero, 0, mayOverflow};

    const long double microfarads = q / d;
    const Range range = RangeOf(microfarads);
    if (range == Range::Beyond)
        return {Fate::Overflow, 0, false};
    return {Fate::Value, microfarads, mayOverflow || range == Range::Borderline};
}
