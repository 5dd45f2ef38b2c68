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

std::u16string RuntimeError::report() const
{
    std::u16string text = u"运行时错误 '";
    for (const char digit : std::to_string(static_cast<int>(number_)))
        text += static_cast<char16_t>(digit);
    return text + u"':\n\n" + std::u16string(description());
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
