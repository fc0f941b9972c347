// Process start to the first paint of the main window, and peak memory, against a bare maximised
// Qt main window with a menu bar; both on the offscreen platform.
#include "bench_report.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

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

void Measure(benchmark::State& state, const char* mode) {
    double peak = 0;
    for (auto _ : state) {
        double seconds = 0, mib = 0;
        if (!RunProbe(mode, seconds, mib)) {
            state.SkipWithError("the probe did not report its first paint");
            return;
        }
        state.SetIterationTime(seconds);
        peak = std::max(peak, mib);
    }
    state.counters["peak_MiB"] = peak;
}

void BareQtWindowStartup(benchmark::State& state) { Measure(state, "bare"); }
void SetupWindowStartup(benchmark::State& state) { Measure(state, "setup"); }
BENCHMARK(BareQtWindowStartup)->UseManualTime()->Iterations(12)->Unit(benchmark::kMillisecond);
BENCHMARK(SetupWindowStartup)->UseManualTime()->Iterations(12)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    ProbePath = (std::filesystem::path(argv[0]).parent_path() / "startup_probe").string();
    std::string config = (std::filesystem::temp_directory_path() / "startup-bench-screen.json").string();
    if (FILE* f = std::fopen(config.c_str(), "w")) {
        std::fputs(R"({ "screens": [ { "name": "bench", "width": 1280, "height": 1024, "logicalDpi": 96 } ] })", f);
        std::fclose(f);
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    int rc = RunBenchmarksWithRatios(argc, argv, {{"SetupWindowStartup", "BareQtWindowStartup", 1.20}},
                                     {{"peak_MiB", "SetupWindowStartup", "BareQtWindowStartup", 8.0, "MiB"}});
    std::filesystem::remove(config);
    return rc;
}
