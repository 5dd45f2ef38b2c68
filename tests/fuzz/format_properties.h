#pragma once

#include <string>
#include <string_view>

// What every text of the "0.0" format satisfies, and how near it lies to the
// number that it shows.

// -?(0|[1-9][0-9]*)\.[0-9]: every integer digit and none wasted, one decimal.
bool HasOneDecimalShape(std::u16string_view text);

// A text of that shape in ASCII, for the C library to read.
std::string Narrow(std::u16string_view oneDecimalText);

// The digits of a text of that shape that carry the value: without the
// leading and trailing zeros.
std::size_t SignificantDigits(std::u16string_view oneDecimalText);

// Whether a text of that shape shows `exact` rounded to tenths, allowing for
// the rounding to 15 significant digits that comes first: within 0.05 plus
// `units` units in the 15th significant digit of `exact`.
bool ShowsRoundedToTenths(std::u16string_view oneDecimalText, long double exact, long double units);
