#include "host/checked_arithmetic.h"

#include "host/runtime_error.h"

#include <cmath>

namespace vondrel::host {

namespace {

double RequireFinite(double result)
{
    if (!std::isfinite(result))
        throw RuntimeError::Overflow();
    return result;
}

}  // namespace

double CheckedMultiply(double left, double right)
{
    return RequireFinite(left * right);
}

double CheckedDivide(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw RuntimeError::DivisionByZero();
    return RequireFinite(dividend / divisor);
}

}  // namespace vondrel::host
