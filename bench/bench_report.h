// Runs the registered benchmarks and prints the ratios between pairs of them, measured in one run.
#pragma once

#include <string>
#include <vector>

struct TRatio {
    std::string Measured;
    std::string Baseline;
    double Limit; // the target: Measured / Baseline at most this
};

struct TDifference {
    std::string Counter; // a user counter present on both benchmarks
    std::string Measured;
    std::string Baseline;
    double Limit; // the target: Measured - Baseline at most this
    std::string Unit;
};

int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<TRatio>& ratios,
                            const std::vector<TDifference>& differences = {});
