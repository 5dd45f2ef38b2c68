#include "failure.h"

#include <cstdio>
#include <cstdlib>

void Fail(const std::string& message)
{
    std::fprintf(stderr, "Property broken: %s\n", message.c_str());
    std::abort();
}

std::string Quote(std::u16string_view text)
{
    std::string quoted = "u\"";
    for (const char16_t c : text) {
        if (c >= u' ' && c <= u'~' && c != u'"' && c != u'\\') {
            quoted += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            quoted += escape;
        }
    }
    return quoted + '"';
}

std::string Show(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return text;
}
