#!/bin/sh
# Builds the benchmarks and runs every workload once after its warm-up (qd-workload NAME 1), so
# a workload that breaks is caught without timing anything. Cairo is the benchmarks' optional
# peer; it is installed here when missing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
missing=""
for pkg in libbenchmark-dev libcairo2-dev pkg-config; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing="$missing $pkg"
done
if [ -n "$missing" ]; then
    apt-get update -qq && apt-get install -y -qq $missing >/dev/null
fi
# A build that already has the benchmarks (the default build does) is used as it is.
if [ ! -x "$build/bin/qd-workload" ]; then
    cmake -S "$root" -B "$build" -DQD_BENCH=ON -DQD_CAIRO=AUTO >/dev/null
    cmake --build "$build" -j2 --target qd_bench qd-workload >/dev/null
fi
passed=0
failed=0
for name in $("$build/bin/qd-workload" --list); do
    if "$build/bin/qd-workload" "$name" 1; then
        passed=$((passed + 1))
    else
        echo "workload $name failed"
        failed=$((failed + 1))
    fi
done
# The Qt widgets' value step, when that build has it: each case briefly, headless.
if [ -x "$build/bin/qd_bench_qt" ]; then
    if QT_QPA_PLATFORM=offscreen QD_REGISTRY="$build/registry" "$build/bin/qd_bench_qt" \
        --benchmark_min_time=0.01 >/dev/null 2>&1; then
        passed=$((passed + 1))
    else
        echo "qd_bench_qt failed"
        failed=$((failed + 1))
    fi
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
