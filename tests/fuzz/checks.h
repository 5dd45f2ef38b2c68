#pragma once

#include <optional>
#include <string_view>

// Each check runs one operation on its input and aborts through Fail() when
// the result breaks a property that the operation promises.

// The blanks trimmed are blanks only, and none is left at either end.
void CheckTrim(std::u16string_view text);

// The number read is the reference reading, and an overflow is reported as
// the run-time error. Gives the number, or nothing after an overflow.
std::optional<double> CheckConversion(std::u16string_view text);

// The load and the period that the text stands for, as the reference reads
// them, and the run-time error that it foresees. Gives the number, or nothing
// after an error.
std::optional<double> CheckLoadReading(std::u16string_view text);
std::optional<double> CheckPeriodReading(std::u16string_view text);

// The text has the "0.0" shape, shows the value rounded to tenths with its
// sign, carries at most 15 significant digits and reads back to itself.
void CheckFormat(double value);

// Incomplete input exactly when a trimmed text is empty; otherwise the value
// of the reference calculation in the "0.0" format, or the run-time error
// that the reference calculation foresees, and no other.
void CheckCalculation(std::u16string_view loadText, std::u16string_view periodText);
