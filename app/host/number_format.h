#pragma once

#include <string>

namespace vondrel::host {

// Formats a double with the pattern "0.0": every integer digit (no exponent,
// no grouping), ".", and exactly one decimal.
//
// The exact decimal value is first rounded to 15 significant digits, so that
// binary noise such as 0.049999999999999996 counts as the 0.05 that the user's
// numbers made, and then to tenths; both roundings take ties away from zero.
// A value that rounds to zero is "0.0", never "-0.0". Exact for every finite
// double; an infinity or a NaN throws RuntimeError::Overflow.
std::u16string FormatOneDecimal(double value);

}  // namespace vondrel::host
