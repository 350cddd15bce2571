#pragma once
// What the benchmarks share: the processor time of the process and the fastest repetition
// of each registered benchmark.

#include <benchmark/benchmark.h>

#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace messen {

// Processor time of the whole process in milliseconds: on a busy machine the wall clock
// also counts the time other programs had the processor.
inline double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Whether a run ended early: Google Benchmark 1.8 calls it `skipped`, 1.7 `error_occurred`.
template <typename Run>
bool abgebrochen(const Run &run)
{
    if constexpr (requires { run.skipped; })
        return static_cast<unsigned>(run.skipped) != 0;
    else
        return run.error_occurred;
}

// Keeps the fastest repetition of each benchmark: on a shared machine the others
// measure the neighbours as well.
class FastestRun : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || abgebrochen(run) || run.iterations == 0)
                continue;
            const double seconds = run.real_accumulated_time / double(run.iterations);
            const std::string name = run.run_name.function_name;
            auto found = fastest.find(name);
            if (found == fastest.end() || seconds < found->second)
                fastest[name] = seconds;
        }
    }
    std::map<std::string, double> fastest;
};

} // namespace messen
