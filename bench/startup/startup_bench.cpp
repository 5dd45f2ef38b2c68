// Times programs from exec to the map of their first window, and their peak
// resident memory, run by run in turn so that drift of the machine falls on
// all alike; the last program is the baseline of the ratios. Needs an X
// server with no window manager, so that a program's own window is the one
// mapped on the root.

#include "map_watch.h"
#include "sample_summary.h"

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC

constexpr auto kMapTimeout = std::chrono::seconds(60);
constexpr auto kQuitTimeout = std::chrono::seconds(20);

struct Program {
    std::string label;
    std::string path;
    std::vector<double> mapMilliseconds;
    // Peak resident memory as the window is mapped (VmHWM), and over the
    // whole run (ru_maxrss), which takes in the first paint and the close.
    std::vector<double> residentAtMapKiB;
    std::vector<double> residentPeakKiB;
};

struct Run {
    double mapMilliseconds;
    long residentAtMapKiB;
    long residentPeakKiB;
};

long ReadHighWaterMarkKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Waits for the child to end, killing it if it outlasts the timeout, and
// returns its peak resident memory.
long ReapPeakResidentKiB(pid_t pid)
{
    const auto deadline = Clock::now() + kQuitTimeout;
    bool killed = false;
    for (;;) {
        int status = 0;
        rusage usage{};
        const pid_t reaped = wait4(pid, &status, WNOHANG, &usage);
        if (reaped == pid)
            return usage.ru_maxrss;
        if (reaped < 0)
            return -1;
        if (!killed && Clock::now() > deadline) {
            std::fprintf(stderr, "pid %d did not quit; killing it\n", static_cast<int>(pid));
            kill(pid, SIGKILL);
            killed = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::optional<Run> RunOnce(MapWatch& watch, const std::string& path)
{
    char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    // posix_spawn forks with vfork semantics and execs at once, so this is
    // the time of the exec to within microseconds.
    const auto start = Clock::now();
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::perror(path.c_str());
        return std::nullopt;
    }
    const std::optional<MappedWindow> mapped = watch.WaitForMapOf(pid, start + kMapTimeout);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window mapped\n", path.c_str());
        kill(pid, SIGKILL);
        ReapPeakResidentKiB(pid);
        return std::nullopt;
    }
    const long atMap = ReadHighWaterMarkKiB(pid);
    watch.AskToClose(mapped->window);
    const long peak = ReapPeakResidentKiB(pid);
    const std::chrono::duration<double, std::milli> elapsed = mapped->when - start;
    return Run{elapsed.count(), atMap, peak};
}

// Alternates the programs run by run: warm-up rounds first, unrecorded.
bool Measure(std::vector<Program>& programs, long runs, long warmup)
{
    MapWatch watch;
    if (!watch.Connected()) {
        std::fprintf(stderr, "cannot watch the X display's root window\n");
        return false;
    }
    for (long round = 0; round < warmup + runs; ++round) {
        for (Program& program : programs) {
            const std::optional<Run> run = RunOnce(watch, program.path);
            if (!run)
                return false;
            if (round < warmup)
                continue;
            program.mapMilliseconds.push_back(run->mapMilliseconds);
            program.residentAtMapKiB.push_back(static_cast<double>(run->residentAtMapKiB));
            program.residentPeakKiB.push_back(static_cast<double>(run->residentPeakKiB));
        }
    }
    return true;
}

void PrintRow(const char* what, const char* unit, const Summary& summary)
{
    std::printf("  %-20s median %8.1f %-3s  min-max %8.1f - %-8.1f  IQR %8.1f - %.1f\n", what, summary.median, unit,
                summary.min, summary.max, summary.lowerQuartile, summary.upperQuartile);
}

void Report(const std::vector<Program>& programs, long runs, long warmup)
{
    std::printf("Start-up: %ld runs of each after %ld warm-up, alternating\n", runs, warmup);
    for (const Program& program : programs) {
        std::printf("%s (%s)\n", program.label.c_str(), program.path.c_str());
        PrintRow("exec to map", "ms", Summarize(program.mapMilliseconds));
        PrintRow("peak RSS by the map", "KiB", Summarize(program.residentAtMapKiB));
        PrintRow("peak RSS of the run", "KiB", Summarize(program.residentPeakKiB));
    }
    const Program& baseline = programs.back();
    std::printf("Ratio of medians to %s:\n", baseline.label.c_str());
    std::printf("  %-20s %12s %20s %20s\n", "", "exec to map", "peak RSS by the map", "peak RSS of the run");
    for (auto program = programs.cbegin(); program + 1 != programs.cend(); ++program) {
        std::printf("  %-20s %12.3f %20.3f %20.3f\n", program->label.c_str(),
                    Summarize(program->mapMilliseconds).median / Summarize(baseline.mapMilliseconds).median,
                    Summarize(program->residentAtMapKiB).median / Summarize(baseline.residentAtMapKiB).median,
                    Summarize(program->residentPeakKiB).median / Summarize(baseline.residentPeakKiB).median);
    }
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: startup_bench RUNS WARMUP LABEL=PROGRAM... LABEL=BASELINE\n"
                 "Runs the programs in turn, WARMUP times each unrecorded, then RUNS times each,\n"
                 "and compares each with the last.\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 5)
        return Usage();
    const long runs = std::strtol(argv[1], nullptr, 10);
    const long warmup = std::strtol(argv[2], nullptr, 10);
    if (runs < 1 || warmup < 0)
        return Usage();
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos)
            return Usage();
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, {}, {}});
    }
    if (!Measure(programs, runs, warmup))
        return 1;
    Report(programs, runs, warmup);
    return 0;
}
