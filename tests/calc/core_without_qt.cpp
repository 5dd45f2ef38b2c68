// Built with no Qt on its include path or link line: if the calculation or
// the services under it came to need Qt, this would fail to build, and the
// check beside it would find Qt among the libraries it loads.

#include "calc/filter_capacitance.h"

#include <cstdio>

int main()
{
    const auto outcome = vondrel::CalculateFilterCapacitance(u"100", u"0.02");
    if (outcome != vondrel::CalculationOutcome::Value(u"300.0")) {
        std::fputs("100 ohm and 0.02 s did not give 300.0\n", stderr);
        return 1;
    }
    return 0;
}
