// Runs the registered benchmarks and prints the ratios between pairs of them, measured in one run.
#pragma once

#include <string>
#include <vector>

struct TRatio {
    std::string Measured;
    std::string Baseline;
    double Limit; // the target: Measured / Baseline at most this
};

// A user counter of one benchmark that a target bounds from above.
struct TCounterLimit {
    std::string Benchmark;
    std::string Counter;
    double Limit;
    std::string Meaning;
};

int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<TRatio>& ratios,
                            const std::vector<TCounterLimit>& limits = {});
