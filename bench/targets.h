// Prints Google Benchmark's usual table, then each benchmark that has a speed
// target against it. A benchmark over its target makes the program exit with 2,
// so a script can tell without reading the table.
#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

class TargetReporter : public benchmark::ConsoleReporter {
public:
    // Benchmark name prefix and the most time one iteration may take, in seconds.
    using Target = std::pair<std::string, double>;
    explicit TargetReporter(std::vector<Target> targets)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
        , m_targets(std::move(targets))
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            for (const auto &[prefix, limit] : m_targets)
                if (run.benchmark_name().rfind(prefix, 0) == 0)
                    m_verdicts.push_back({run.benchmark_name(), seconds, limit});
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nAgainst the targets (wall time per iteration):\n");
        for (const Verdict &v : m_verdicts) {
            std::printf("  %-42s %12s   target < %-10s %s\n", v.name.c_str(), human(v.seconds).c_str(),
                human(v.limit).c_str(), v.seconds < v.limit ? "ok" : "OVER TARGET");
            if (v.seconds >= v.limit) m_missed = true;
        }
        std::fflush(stdout);
    }

    bool missed() const { return m_missed; }

private:
    struct Verdict {
        std::string name;
        double seconds, limit;
    };

    static std::string human(double s)
    {
        char buf[32];
        if (s >= 1e-3)
            std::snprintf(buf, sizeof buf, "%.3g ms", s * 1e3);
        else if (s >= 1e-6)
            std::snprintf(buf, sizeof buf, "%.3g us", s * 1e6);
        else
            std::snprintf(buf, sizeof buf, "%.3g ns", s * 1e9);
        return buf;
    }

    std::vector<Target> m_targets;
    std::vector<Verdict> m_verdicts;
    bool m_missed = false;
};

// Runs the benchmarks the command line names against the targets: 0, 1 for an
// unknown argument, 2 when one is over its target.
inline int runAgainst(std::vector<TargetReporter::Target> targets, int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TargetReporter reporter(std::move(targets));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.missed() ? 2 : 0;
}
