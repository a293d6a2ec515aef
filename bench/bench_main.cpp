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

// Runs per sample: enough to take about a millisecond, at most 20, and never past a reset.
int runs_per_sample(const qd::bench::Instance& w) {
    if (w.reset)
        w.reset();
    const double start = cpu_seconds();
    w.run();
    const double once = cpu_seconds() - start;
    int reps = once > 0 ? static_cast<int>(std::clamp(1e-3 / once, 1.0, 20.0)) : 20;
    if (w.reset)
        reps = std::min(reps, w.period - 1);
    return reps;
}

// Seconds per run over one sample of `reps` runs.
double sample_seconds(const qd::bench::Instance& w, int reps) {
    if (w.reset)
        w.reset();
    const double t0 = cpu_seconds();
    for (int i = 0; i < reps; ++i)
        w.run();
    return (cpu_seconds() - t0) / reps;
}

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// A workload prepared once for comparisons (the fill floors and the Cairo peers).
const qd::bench::Instance* prepared(const qd::bench::Workload* w) {
    static std::map<const qd::bench::Workload*, qd::bench::Instance> cache;
    if (!w)
        return nullptr;
    auto it = cache.find(w);
    if (it == cache.end())
        it = cache.emplace(w, w->prepare()).first;
    return &it->second;
}

const qd::bench::Workload* find(const std::string& name) {
    for (const auto& w : workloads())
        if (w.name == name)
            return &w;
    return nullptr;
}

// The ratios to the floor and to the peer as medians of ratios of samples taken side by side,
// so that the machine's drift between workloads cancels out.
void ratios(const qd::bench::Instance& own, const qd::bench::Instance* floor,
            const qd::bench::Instance* peer, double* to_floor, double* to_peer) {
    const int own_reps = runs_per_sample(own);
    const int floor_reps = floor ? runs_per_sample(*floor) : 0;
    const int peer_reps = peer ? runs_per_sample(*peer) : 0;
    std::vector<double> f, p;
    for (int k = 0; k < 31; ++k) {
        const double t = sample_seconds(own, own_reps);
        if (floor)
            f.push_back(t / sample_seconds(*floor, floor_reps));
        if (peer)
            p.push_back(sample_seconds(*peer, peer_reps) / t);
    }
    *to_floor = f.empty() ? 0 : median(f);
    *to_peer = p.empty() ? 0 : median(p);
}

void run_workload(benchmark::State& state, const qd::bench::Workload* workload) {
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
    const std::string size =
        std::to_string(workload->width) + "x" + std::to_string(workload->height);
    double to_floor, to_peer;
    ratios(*w, prepared(find("fill/" + size)), prepared(find(workload->peer)), &to_floor, &to_peer);
    if (to_floor > 0)
        state.counters["x_floor"] = to_floor;
    // How many times faster than Cairo drawing the same figures.
    if (to_peer > 0)
        state.counters["cairo_x"] = to_peer;
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
