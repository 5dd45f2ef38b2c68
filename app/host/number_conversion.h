#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vondrel::host {

// Reads the number that a text begins with, the way a user would read it:
// "100Ω" is 100, "12abc34" is 12, "abc" is 0. Text that is not a number is
// never an error.
//
// Grammar: an optional sign, digits with at most one ".", at least one digit,
// then an optional exponent "e" or "E" with an optional sign and at least one
// digit (an incomplete exponent is left unread). The full-width digits, point,
// signs and "e"/"E" that Chinese input methods type count as their ASCII twins,
// and so do the ideographic full stop "。" and its halfwidth form "｡" for the
// point. The decimal separator is always that point, whatever the locale;
// "inf", "nan", hexadecimal and digit grouping are not read. Callers trim the
// text first: a leading blank ends the number before it starts.
//
// The result is the correctly rounded double. A magnitude too large for a
// double throws RuntimeError::Overflow; one too small reads as zero.
double ReadLeadingNumber(std::u16string_view text);

// The number that a text begins with, in the grammar above, scanned but not
// yet rounded: how much of the text it takes, and its value, which may first
// be scaled by a power of ten.
class LeadingNumber {
public:
    explicit LeadingNumber(std::u16string_view text);

    // In code units; 0 when the text does not begin with a number.
    std::size_t length() const { return length_; }

    // The number times 10^powerOfTen, rounded to a double once, so that "4.7"
    // scaled by 3 is exactly the double of "4700". 0 when there is no number;
    // out of range as ReadLeadingNumber.
    double Value(int powerOfTen = 0) const;

private:
    std::size_t length_ = 0;
    std::string mantissa_;  // ASCII, as fast_float reads it
    std::int64_t exponent_ = 0;
    std::int64_t leadingDigitPower_ = 0;  // of the mantissa
    bool negative_ = false;
};

}  // namespace vondrel::host
