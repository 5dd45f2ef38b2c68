#pragma once

#include <string>
#include <string_view>

// The results that the code under test must give, worked out another way.

// The number that a text begins with, as the C library's strtod reads it from
// the text's leading run of sign, digit, point and "e" characters, full-width
// forms taken as their ASCII twins and the ideographic full stops as the
// point. Nothing else reaches strtod, so what it reads beyond the
// conversion's grammar (blanks, "inf", "nan", hexadecimal) stays out.
// The text's leading run of those characters, in ASCII.
std::string NumberRun(std::u16string_view text);

struct ReferenceNumber {
    double value;
    bool tooLarge;  // beyond the range of a double; value is then unused
};
ReferenceNumber ReferenceReading(std::u16string_view text);

// C = 3·T·1000000 / (2·R) in µF, worked out step by step in long double, whose
// wider range and precision tell which step a double would not hold.
struct ReferenceCapacitance {
    enum class Fate {
        Value,
        Overflow,        // a step beyond the range of a double
        DivisionByZero,  // 2·R is zero
    };
    Fate fate;
    long double microfarads;  // for Value
    // A step lies so near the largest double that rounding decides whether it
    // overflows; the fate is that of the steps holding.
    bool mayOverflow;
};
ReferenceCapacitance ReferenceCalculation(double resistance, double period);
