// The calculation's examples, run where a cross build runs them: the core
// built for Windows under Wine, or for the web under Node, with that
// platform's C runtime and standard library, and what the calculator window
// shows for each.
// Prints one line per example and a count, which the test checks as well
// as the exit status, since a program that fails to load may still end 0.

#include "host/runtime_error.h"
#include "tests/calc/calculation_examples.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// Whether the window shows what the example expects, or the calculation
// raises the example's run-time error.
bool PresentsAsExpected(const CalculationExample& example)
{
    try {
        const vondrel::CalculationPresentation shown =
            vondrel::PresentCalculation(example.load, example.period, kSpokenUnit);
        return example.runtimeError == 0 && shown == ExpectedPresentation(example);
    } catch (const vondrel::host::RuntimeError& error) {
        return static_cast<int>(error.number()) == example.runtimeError;
    }
}

}  // namespace

int main()
{
    int failures = 0;
    for (const CalculationExample& example : kCalculationExamples) {
        const bool passed = PresentsAsExpected(example);
        failures += passed ? 0 : 1;
        std::printf("%s %s\n", passed ? "ok  " : "FAIL", example.name);
    }
    std::printf("%d of %zu examples as expected\n", static_cast<int>(std::size(kCalculationExamples)) - failures,
                std::size(kCalculationExamples));
    return failures == 0 ? 0 : 1;
}
