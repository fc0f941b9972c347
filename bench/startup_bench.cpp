// Process start to the first paint of the main window, and peak memory, against a bare maximised
// Qt main window with a menu bar; both on the offscreen platform. The two are started in turn,
// pair after pair, so that a change in the machine's load touches both alike; medians are compared.
#include "bench_report.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {
std::string ProbePath;

long long NowNs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs the probe once; returns false when it did not report.
bool RunProbe(const char* mode, double& seconds, double& peakMiB) {
    std::string command = ProbePath + " " + mode;
    long long start = NowNs();
    FILE* out = popen(command.c_str(), "r");
    if (!out) return false;
    long long paintedAt = 0;
    long peakKb = 0;
    bool ok = std::fscanf(out, "%lld %ld", &paintedAt, &peakKb) == 2;
    pclose(out);
    seconds = (paintedAt - start) / 1e9;
    peakMiB = peakKb / 1024.0;
    return ok;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void StartupToFirstPaint(benchmark::State& state) {
    std::vector<double> bare, setup, bareMem, setupMem;
    for (auto _ : state) {
        double b = 0, s = 0, bm = 0, sm = 0;
        if (!RunProbe("bare", b, bm) || !RunProbe("setup", s, sm)) {
            state.SkipWithError("the probe did not report its first paint");
            return;
        }
        bare.push_back(b);
        setup.push_back(s);
        bareMem.push_back(bm);
        setupMem.push_back(sm);
        state.SetIterationTime(s);
    }
    state.counters["bare_ms"] = Median(bare) * 1e3;
    state.counters["setup_ms"] = Median(setup) * 1e3;
    state.counters["time_ratio"] = Median(setup) / Median(bare);
    state.counters["bare_peak_MiB"] = Median(bareMem);
    state.counters["setup_peak_MiB"] = Median(setupMem);
    state.counters["extra_peak_MiB"] = Median(setupMem) - Median(bareMem);
}
BENCHMARK(StartupToFirstPaint)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    ProbePath = (std::filesystem::path(argv[0]).parent_path() / "startup_probe").string();
    std::string config = (std::filesystem::temp_directory_path() / "startup-bench-screen.json").string();
    if (FILE* f = std::fopen(config.c_str(), "w")) {
        std::fputs(R"({ "screens": [ { "name": "bench", "width": 1280, "height": 1024, "logicalDpi": 96 } ] })", f);
        std::fclose(f);
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    int rc = RunBenchmarksWithRatios(
        argc, argv, {},
        {{"StartupToFirstPaint", "time_ratio", 1.20, "start-up to first paint, Setup / bare Qt window (median)"},
         {"StartupToFirstPaint", "extra_peak_MiB", 8.0, "peak memory, Setup - bare Qt window (MiB, median)"}});
    std::filesystem::remove(config);
    return rc;
}
