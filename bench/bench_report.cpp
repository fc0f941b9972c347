#include "bench_report.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {
// Keeps the console output and remembers each benchmark's time and counters.
class TRecordingReporter : public benchmark::ConsoleReporter {
public:
    TRecordingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            std::string name = run.run_name.function_name;
            Times[name] = run.GetAdjustedRealTime();
            for (const auto& [counter, value] : run.counters) Counters[name][counter] = value.value;
        }
    }
    std::map<std::string, double> Times;
    std::map<std::string, std::map<std::string, double>> Counters;
};
} // namespace

int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<TRatio>& ratios,
                            const std::vector<TCounterLimit>& limits) {
    benchmark::Initialize(&argc, argv);
    TRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool allMet = true;
    std::printf("\n");
    for (const TRatio& r : ratios) {
        if (!reporter.Times.count(r.Measured) || !reporter.Times.count(r.Baseline)) continue;
        double ratio = reporter.Times[r.Measured] / reporter.Times[r.Baseline];
        bool met = ratio <= r.Limit;
        allMet = allMet && met;
        std::printf("ratio %-28s / %-28s = %5.2f  (target <= %.2f)  %s\n", r.Measured.c_str(), r.Baseline.c_str(),
                    ratio, r.Limit, met ? "met" : "NOT MET");
    }
    for (const TCounterLimit& l : limits) {
        auto& counters = reporter.Counters[l.Benchmark];
        if (!counters.count(l.Counter)) continue;
        double value = counters[l.Counter];
        bool met = value <= l.Limit;
        allMet = allMet && met;
        std::printf("%-58s = %5.2f  (target <= %.2f)  %s\n", l.Meaning.c_str(), value, l.Limit, met ? "met" : "NOT MET");
    }
    benchmark::Shutdown();
    return allMet ? 0 : 1;
}
