#pragma once

#include <string_view>

// The load and the period that a text stands for, suffixes included, worked
// out another way: the suffix split into blank-separated words and looked up
// among every prefix-and-unit spelling, and its power of ten applied by moving
// the decimal point in the text itself before strtod reads it.
struct ReferenceQuantity {
    enum class Fate {
        Value,
        Overflow,        // the number, or the period of a frequency, beyond a double
        DivisionByZero,  // a frequency of zero
    };
    Fate fate;
    double value;  // for Value
};
ReferenceQuantity ReferenceLoad(std::u16string_view text);
ReferenceQuantity ReferencePeriod(std::u16string_view text);
