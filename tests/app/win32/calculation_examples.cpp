// The calculation's examples, run as Windows runs them: the core built for
// Windows, with its C runtime and its standard library's conversions.
// Prints one line per example and a count, which the test checks as well
// as the exit status, since a program that fails to load may still end 0.

#include "calc/filter_capacitance.h"
#include "host/runtime_error.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

struct Example {
    const char* name;
    std::u16string_view load;
    std::u16string_view period;
    std::u16string_view expected;  // the result text; empty: incomplete input; "#n": run-time error n
};

constexpr Example kExamples[] = {
    {"100 ohm, 0.02 s", u"100", u"0.02", u"300.0"},
    {"1000 ohm", u"1000", u"0.02", u"30.0"},
    {"33 ohm rounds up", u"33", u"0.02", u"909.1"},
    {"220 ohm", u"220", u"0.02", u"136.4"},
    {"4700 ohm, 0.01 s", u"4700", u"0.01", u"3.2"},
    {"period of 20 s", u"100", u"20", u"300000.0"},
    {"below a half tenth", u"1000000", u"0.02", u"0.0"},
    {"negative load", u"-100", u"0.02", u"-300.0"},
    {"unit typed after the load", u"100Ω", u"0.02", u"300.0"},
    {"load empty", u"", u"0.02", u""},
    {"period all spaces", u"100", u"   ", u""},
    {"letters inside the load", u"12abc34", u"0.02", u"2500.0"},
    {"full-width input", u"\u3000１００", u"０。０２", u"300.0"},
    {"exponent of the period", u"1e3", u"2e-2", u"30.0"},
    {"zero load", u"0", u"0.02", u"#11"},
    {"3 T overflows", u"100", u"1e308", u"#6"},

    // Values as electronics people write them.
    {"kilo prefix", u"4.7k", u"0.02", u"6.4"},
    {"resistor code 4k7", u"4k7", u"0.02", u"6.4"},
    {"resistor code 2R2", u"2R2", u"0.02", u"13636.4"},
    {"mega and milliseconds", u"1M", u"20ms", u"0.0"},
    {"milliseconds after a blank", u"100", u"20 ms", u"300.0"},
    {"mains frequency", u"100", u"50Hz", u"300.0"},
    {"zero frequency", u"100", u"0Hz", u"#11"},
};

std::u16string Outcome(const Example& example)
{
    try {
        const auto outcome = vondrel::CalculateFilterCapacitance(example.load, example.period);
        return outcome.resultText;
    } catch (const vondrel::host::RuntimeError& error) {
        std::u16string text = u"#";
        for (const char digit : std::to_string(static_cast<int>(error.number())))
            text += static_cast<char16_t>(digit);
        return text;
    }
}

std::string Printable(std::u16string_view text)
{
    std::string printable;
    for (const char16_t unit : text)
        printable += unit < 0x80 ? static_cast<char>(unit) : '?';
    return printable;
}

}  // namespace

int main()
{
    int failures = 0;
    for (const Example& example : kExamples) {
        const std::u16string outcome = Outcome(example);
        const bool passed = outcome == example.expected;
        failures += passed ? 0 : 1;
        std::printf("%s %s: %s\n", passed ? "ok  " : "FAIL", example.name, Printable(outcome).c_str());
    }
    std::printf("%d of %zu examples as expected\n", static_cast<int>(std::size(kExamples)) - failures,
                std::size(kExamples));
    return failures == 0 ? 0 : 1;
}
