// qd_bench: the surface workloads timed by Google Benchmark, each also reported as a ratio to
// one plain fill of the same picture (the memory-bandwidth floor of a full redraw).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "workloads.h"

namespace {

// Thread CPU time: other processes on a shared machine do not stretch it as they do wall time.
double cpu_seconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::vector<qd::bench::Workload>& workloads() {
    static std::vector<qd::bench::Workload> all = qd::bench::make_workloads();
    return all;
}

// Median seconds of one run of a workload, over enough repetitions to be stable.
double median_seconds(const qd::bench::Instance& w) {
    std::vector<double> samples;
    // Enough runs per sample to take about a millisecond, but no more than 20.
    if (w.reset)
        w.reset();
    const double start = cpu_seconds();
    w.run();
    const double once = cpu_seconds() - start;
    int reps = once > 0 ? static_cast<int>(std::clamp(1e-3 / once, 1.0, 20.0)) : 20;
    if (w.reset)
        reps = std::min(reps, w.period - 1);
    for (int k = 0; k < 31; ++k) {
        if (w.reset)
            w.reset();
        const double t0 = cpu_seconds();
        for (int i = 0; i < reps; ++i)
            w.run();
        samples.push_back((cpu_seconds() - t0) / reps);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// The median of a named workload, measured once (the Cairo peers); 0 when there is none.
double peer_seconds(const std::string& name) {
    static std::map<std::string, double> cache;
    if (name.empty())
        return 0;
    auto it = cache.find(name);
    if (it != cache.end())
        return it->second;
    for (const auto& w : workloads()) {
        if (w.name == name) {
            const qd::bench::Instance peer = w.prepare();
            median_seconds(peer);
            return cache[name] = median_seconds(peer);
        }
    }
    return cache[name] = 0;
}

// The fill floor of a picture size, measured once.
double floor_seconds(int width, int height) {
    static std::map<std::pair<int, int>, double> cache;
    auto it = cache.find({width, height});
    if (it != cache.end())
        return it->second;
    for (const auto& w : workloads()) {
        if (w.name.rfind("fill/", 0) == 0 && w.width == width && w.height == height) {
            const qd::bench::Instance fill = w.prepare();
            median_seconds(fill);  // warm up caches and clock frequency first
            return cache[{width, height}] = median_seconds(fill);
        }
    }
    return 0;
}

void run_workload(benchmark::State& state, const qd::bench::Workload* workload) {
    const double floor = floor_seconds(workload->width, workload->height);
    const qd::bench::Instance instance = workload->prepare();
    const qd::bench::Instance* w = &instance;
    if (w->reset)
        w->reset();
    int since_reset = 0;
    for (auto _ : state) {
        if (w->reset && since_reset++ == w->period) {
            state.PauseTiming();
            w->reset();
            since_reset = 1;
            state.ResumeTiming();
        }
        w->run();
    }
    // The ratios from separate medians, so that they do not depend on the iteration count.
    const double own = median_seconds(*w);
    if (floor > 0)
        state.counters["x_floor"] = own / floor;
    // How many times faster than Cairo drawing the same figures.
    if (const double peer = peer_seconds(workload->peer); peer > 0 && own > 0)
        state.counters["cairo_x"] = peer / own;
    state.counters["pixels"] = static_cast<double>(workload->width) * workload->height;
}

}  // namespace

int main(int argc, char** argv) {
    for (const auto& w : workloads())
        benchmark::RegisterBenchmark(w.name.c_str(), run_workload, &w)
            ->Unit(benchmark::kMicrosecond);
    if (qd::bench::make_cairo_workloads().empty())
        std::fprintf(stderr, "qd_bench: built without Cairo (libcairo2-dev): no cairo_x ratios\n");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
