// qd_bench: the surface workloads timed by Google Benchmark, each also reported as a ratio to
// one plain fill of the same picture (the memory-bandwidth floor of a full redraw).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
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
    const int reps = w.reset ? std::min(20, w.period) : 20;
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
    // The ratio from a separate median, so that it does not depend on the iteration count.
    if (floor > 0)
        state.counters["x_floor"] = median_seconds(*w) / floor;
    state.counters["pixels"] = static_cast<double>(workload->width) * workload->height;
}

}  // namespace

int main(int argc, char** argv) {
    for (const auto& w : workloads())
        benchmark::RegisterBenchmark(w.name.c_str(), run_workload, &w)
            ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
