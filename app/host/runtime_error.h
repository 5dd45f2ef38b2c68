#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace vondrel::host {

// The run-time error that the host's arithmetic and conversion raise. Nothing
// in the calculation catches it; it travels up to where a Click handler was
// dispatched, which reports it to the user.
class RuntimeError : public std::exception {
public:
    enum class Number { Overflow = 6, DivisionByZero = 11 };

    static RuntimeError Overflow();
    static RuntimeError DivisionByZero();

    Number number() const noexcept { return number_; }
    // The description shown to the user, in Chinese.
    std::u16string_view description() const noexcept;
    // What the host's report box says: the number, then the description.
    std::u16string report() const;
    const char* what() const noexcept override;

private:
    explicit RuntimeError(Number number) noexcept : number_(number) {}

    Number number_;
};

}  // namespace vondrel::host
