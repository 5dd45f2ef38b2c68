#pragma once

#include <string>
#include <string_view>

// Reports a broken property on stderr and aborts, so that libFuzzer keeps the
// input that broke it.
[[noreturn]] void Fail(const std::string& message);

// The text as a C++ literal spells it: u"…", with \uXXXX beyond printable ASCII.
std::string Quote(std::u16string_view text);

// Every digit that a long double carries.
std::string Show(long double value);
