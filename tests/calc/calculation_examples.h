#pragma once

// The calculation's examples, one table for every test that needs them: the
// calculation and its presentation on Linux, the calculator window, and the
// core as built for Windows.

#include "calc/calculation_presenter.h"
#include "calc/filter_capacitance.h"

#include <string>
#include <string_view>

struct CalculationExample {
    const char* name;
    std::u16string_view load;
    std::u16string_view period;
    std::u16string_view resultText;  // empty: incomplete input, or the run-time error below
    int runtimeError = 0;            // the number of the error that the calculation raises
};

inline constexpr CalculationExample kCalculationExamples[] = {
    // The worked examples that users check the program against.
    {"100 ohm, 0.02 s", u"100", u"0.02", u"300.0"},
    {"1000 ohm", u"1000", u"0.02", u"30.0"},
    {"1000 ohm, 0.01 s", u"1000", u"0.01", u"15.0"},
    {"33 ohm rounds up", u"33", u"0.02", u"909.1"},
    {"220 ohm", u"220", u"0.02", u"136.4"},
    {"4700 ohm, 0.01 s", u"4700", u"0.01", u"3.2"},
    {"period of 20 s", u"100", u"20", u"300000.0"},
    {"below a half tenth", u"1000000", u"0.02", u"0.0"},
    {"negative load", u"-100", u"0.02", u"-300.0"},
    {"unit typed after the load", u"100Ω", u"0.02", u"300.0"},
    {"units typed after the numbers", u"100Ω", u"0.02s", u"300.0"},

    // A box left empty, or holding only blanks.
    {"load empty", u"", u"0.02", {}},
    {"period empty", u"100", u"", {}},
    {"both empty", u"", u"", {}},
    {"period all spaces", u"100", u"   ", {}},
    {"load of blanks", u" \t\u3000", u"0.02", {}},
    {"blanks of every kind", u"\t\u3000", u" \t", {}},

    // How the texts are read.
    {"spaces around numbers", u"  100 ", u" 0.02  ", u"300.0"},
    {"full-width digits", u"１００", u"０．０２", u"300.0"},
    {"full-width input", u"\u3000１００", u"０．０２", u"300.0"},
    {"full-width input, ideographic full stop", u"\u3000１００", u"０。０２", u"300.0"},
    {"letters inside the load", u"12abc34", u"0.02", u"2500.0"},
    {"period not a number", u"100", u"abc", u"0.0"},
    {"negative rounding to zero", u"-1000000", u"0.02", u"0.0"},
    {"exponent of the period", u"1e3", u"2e-2", u"30.0"},
    // 15 and 305 zeros.
    {"exponents", u"1e-300", u"1",
     u"15"
         u"0000000000000000000000000000000000000000000000000000000000000"
         u"0000000000000000000000000000000000000000000000000000000000000"
         u"0000000000000000000000000000000000000000000000000000000000000"
         u"0000000000000000000000000000000000000000000000000000000000000"
         u"0000000000000000000000000000000000000000000000000000000000000"
         u".0"},

    // Values as electronics people write them: prefixes, resistor codes,
    // units and a frequency for the period.
    {"kilo prefix", u"4.7k", u"0.02", u"6.4"},
    {"resistor code 4k7", u"4k7", u"0.02", u"6.4"},
    {"resistor code 2R2", u"2R2", u"0.02", u"13636.4"},
    {"mega and milliseconds", u"1M", u"20ms", u"0.0"},
    {"resistor code and milliseconds", u"4k7", u"20ms", u"6.4"},
    {"milliseconds after a blank", u"100", u"20 ms", u"300.0"},
    {"mains frequency", u"100", u"50Hz", u"300.0"},

    // Run-time errors: division by zero (11) and overflow (6).
    {"zero load", u"0", u"0.02", {}, 11},
    {"zero load and period", u"0", u"0", {}, 11},
    {"load not a number", u"abc", u"0.02", {}, 11},
    {"negative zero load", u"-0", u"0.02", {}, 11},
    {"load below double range", u"1e-400", u"0.02", {}, 11},
    {"load beyond double range", u"1e400", u"0.02", {}, 6},
    {"3 T overflows", u"100", u"1e308", {}, 6},
    // Scaling to microfarads comes before the division, so this overflows.
    {"scaled period overflows", u"1e10", u"1e303", {}, 6},
    {"quotient overflows", u"1e-303", u"100", {}, 6},
    {"zero frequency", u"100", u"0Hz", {}, 11},
    {"prefixed load beyond double range", u"1e306k", u"0.02", {}, 6},
};

// How the examples' presentations speak the unit.
inline constexpr std::u16string_view kSpokenUnit = u"微法";

// What the calculator window is to show for an example that raises no error.
inline vondrel::CalculationPresentation ExpectedPresentation(const CalculationExample& example)
{
    if (example.resultText.empty())
        return {.message = vondrel::kIncompleteInputMessage, .resultText = {}, .announcement = {}};
    const std::u16string result(example.resultText);
    return {.message = {}, .resultText = result, .announcement = result + u" " + std::u16string(kSpokenUnit)};
}
