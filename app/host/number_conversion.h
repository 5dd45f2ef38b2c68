#pragma once

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

}  // namespace vondrel::host
