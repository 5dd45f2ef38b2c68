#pragma once

#include <string_view>

namespace vondrel::host {

// The number conversion of each input box: the number that the text begins
// with (see ReadLeadingNumber), scaled by one suffix written the way
// electronics people write it. A suffix counts only when nothing but blanks
// follows it; otherwise the text reads as the number it begins with, so
// "4.7kx" is 4.7 and "12abc34" is 12. A suffix needs a number before it: "k"
// alone is 0. Blanks may stand before the suffix and between its prefix and
// its unit.
//
// The prefixes: p n u µ μ m k K M G, and 皮 纳 微 毫 千 兆 for p n μ m k M; case
// matters except for k/K. A prefix shifts the number's exponent before it
// becomes a double: "20m" is exactly the double of "0.02", and may overflow or
// underflow as a long exponent does. Full-width forms count as their ASCII
// twins ("５０Ｈｚ").

// R in ohms: an optional prefix, then optionally Ω (U+03A9 or U+2126), ohm,
// ohms, Ohm, Ohms, 欧 or 欧姆: "4.7k", "1MΩ", "100 ohms". Or a resistor code,
// the letter R, k/K, M or G in place of the point and at least one digit
// after it, then optionally a unit: "4k7" is 4700, "2R2" 2.2, "R47" 0.47,
// "1M5Ω" 1500000.
double ReadLoadOhms(std::u16string_view text);

// T in seconds: an optional prefix, then optionally s, S, sec or 秒: "20ms",
// "20 m". Or a frequency, an optional prefix then Hz, hz, HZ, 赫 or 赫兹, whose
// period 1/f is divided out as the calculation divides: "50Hz" is 0.02, "0Hz"
// throws RuntimeError::DivisionByZero and a frequency so small that its
// period is beyond a double's range throws RuntimeError::Overflow.
double ReadPeriodSeconds(std::u16string_view text);

}  // namespace vondrel::host
