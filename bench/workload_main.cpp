// qd-workload NAME N: runs one named workload once to warm up and then N times, and nothing
// else, so that an instruction counter (valgrind --tool=callgrind) gives the same count every
// run. `qd-workload --list` prints the names.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "workloads.h"

// The measured part, on its own so that an instruction counter can count it alone:
//   valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*run_measured*'
// The resets of a limited workload are counted with it; they fall at the same places on every
// run, so the count stays fixed.
[[gnu::noinline]] void run_measured(const qd::bench::Instance& w, long n) {
    for (long i = 0, since = 1; i < n; ++i, ++since) {
        if (w.reset && since == w.period) {
            w.reset();
            since = 0;
        }
        w.run();
    }
}

int main(int argc, char** argv) {
    const auto all = qd::bench::make_workloads();
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& w : all)
            std::printf("%s\n", w.name.c_str());
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: qd-workload NAME N | --list\n");
        return 2;
    }
    const long n = std::strtol(argv[2], nullptr, 10);
    for (const auto& workload : all) {
        if (workload.name != argv[1])
            continue;
        const qd::bench::Instance w = workload.prepare();
        if (w.reset)
            w.reset();
        w.run();
        run_measured(w, n);
        return 0;
    }
    std::fprintf(stderr, "qd-workload: no workload named %s (try --list)\n", argv[1]);
    return 2;
}
