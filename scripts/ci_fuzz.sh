#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined sanitizers, the whole tree
# instrumented for coverage) in its own build directory and runs each one for a fixed number
# of inputs (at most 45 seconds each, with a fixed seed so a run repeats) over its seed corpus.
# A crash, a leak, a timeout or an abort fails the script and leaves the reproducer in the
# build directory.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${QD_FUZZ_BUILD:-$root/build-fuzz}
runs=${QD_FUZZ_RUNS:-100000}
jobs=${QD_FUZZ_JOBS:-2}

if ! command -v clang++-14 >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq clang-14 libclang-rt-14-dev
fi

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQD_FUZZ=ON -DQD_TESTS=OFF -DQD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
targets=(property_file form_file form_render script_syntax number_text dispatch raster_dispatch)
cmake --build "$build" -j"$jobs" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${targets[@]}"; do
  corpus=$t; [ "$t" = raster_dispatch ] && corpus=dispatch  # the same inputs, other surfaces
  work=$(mktemp -d)  # new inputs land here; the committed corpus stays as it is
  echo "== fuzz_$t: $runs runs or 45 s"
  if ! (cd "$build" && "./bin/fuzz_$t" -seed=1 -runs="$runs" -max_total_time=45 -timeout=10 -rss_limit_mb=2048 \
          -max_len=4096 -print_final_stats=1 "$work" "$root/fuzz/corpus/$corpus" 2>&1 | tail -n 12); then
    status=1
  fi
  rm -rf "$work"
done
exit $status
