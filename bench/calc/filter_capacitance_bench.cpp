// CalculateFilterCapacitance on typical input, against the bare arithmetic on
// the same numbers: strtod on ASCII, 3·T/(2·R)·1e6 on doubles, "%.1f". Prints
// the ratio of their times pair by pair after the usual report.

#include "calc/filter_capacitance.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TypicalInput {
    const char* name;
    std::u16string_view load;
    std::u16string_view period;
    const char* loadAscii;
    const char* periodAscii;
};

// Loads of a few ohms to kilohms on 50 Hz and 60 Hz mains, and on the
// 100 Hz ripple of a full-wave rectifier.
const TypicalInput kTypicalInputs[] = {
    {"1000,0.02", u"1000", u"0.02", "1000", "0.02"},
    {"100,0.02", u"100", u"0.02", "100", "0.02"},
    {"8,0.01", u"8", u"0.01", "8", "0.01"},
    {"47,0.0166667", u"47", u"0.0166667", "47", "0.0166667"},
    {"2200,0.02", u"2200", u"0.02", "2200", "0.02"},
    {"330,0.01", u"330", u"0.01", "330", "0.01"},
};

void Calculate(benchmark::State& state, const TypicalInput& input)
{
    for (auto _ : state) {
        vondrel::CalculationOutcome outcome = vondrel::CalculateFilterCapacitance(input.load, input.period);
        benchmark::DoNotOptimize(outcome);
    }
}

void BareArithmetic(benchmark::State& state, const TypicalInput& input)
{
    for (auto _ : state) {
        const char* load = input.loadAscii;
        const char* period = input.periodAscii;
        benchmark::DoNotOptimize(load);
        benchmark::DoNotOptimize(period);
        const double resistance = std::strtod(load, nullptr);
        const double periodSeconds = std::strtod(period, nullptr);
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", 3 * periodSeconds / (2 * resistance) * 1e6);
        benchmark::DoNotOptimize(text);
        benchmark::ClobberMemory();
    }
}

// Keeps the time of each run by its name, medians when runs are repeated.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (single || median)
                nanoseconds_[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }

    void PrintRatios() const
    {
        std::printf("\nCalculateFilterCapacitance / BareArithmetic (CPU time per call):\n");
        double calculated = 0;
        double bare = 0;
        for (const TypicalInput& input : kTypicalInputs) {
            const auto ours = nanoseconds_.find(std::string("CalculateFilterCapacitance/") + input.name);
            const auto theirs = nanoseconds_.find(std::string("BareArithmetic/") + input.name);
            if (ours == nanoseconds_.end() || theirs == nanoseconds_.end())
                continue;
            std::printf("  %-14s %7.1f ns / %7.1f ns = %.2f\n", input.name, ours->second, theirs->second,
                        ours->second / theirs->second);
            calculated += ours->second;
            bare += theirs->second;
        }
        if (bare > 0)
            std::printf("  all pairs      %7.1f ns / %7.1f ns = %.2f\n", calculated, bare, calculated / bare);
    }

private:
    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char* argv[])
{
    for (const TypicalInput& input : kTypicalInputs) {
        benchmark::RegisterBenchmark((std::string("CalculateFilterCapacitance/") + input.name).c_str(), Calculate,
                                     input);
        benchmark::RegisterBenchmark((std::string("BareArithmetic/") + input.name).c_str(), BareArithmetic, input);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
