#pragma once

namespace vondrel::host {

// Double arithmetic that raises RuntimeError where IEEE-754 would quietly give
// an infinity or a NaN, so that no such value ever reaches the user.

// Throws RuntimeError::Overflow when the product is beyond the range of a double.
double CheckedMultiply(double left, double right);

// Throws RuntimeError::DivisionByZero for a zero divisor (0 / 0 included) and
// RuntimeError::Overflow when the quotient is beyond the range of a double.
double CheckedDivide(double dividend, double divisor);

}  // namespace vondrel::host
