#include "host/runtime_error.h"

namespace vondrel::host {

RuntimeError RuntimeError::Overflow()
{
    return RuntimeError(Number::Overflow);
}

RuntimeError RuntimeError::DivisionByZero()
{
    return RuntimeError(Number::DivisionByZero);
}

std::u16string_view RuntimeError::description() const noexcept
{
    switch (number_) {
    case Number::Overflow:
        return u"溢出";
    case Number::DivisionByZero:
        return u"除数为零";
    }
    return {};
}

const char* RuntimeError::what() const noexcept
{
    switch (number_) {
    case Number::Overflow:
        return "run-time error 6: overflow";
    case Number::DivisionByZero:
        return "run-time error 11: division by zero";
    }
    return "run-time error";
}

}  // namespace vondrel::host
