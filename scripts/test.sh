#!/usr/bin/env bash
# Builds the rest of a build made by scripts/setup.sh (the test suite; the benchmarks when that
# build has them, see QD_BENCH there) and runs the whole suite through CTest.
# Usage: scripts/test.sh      QD_BUILD_DIR names the build folder (default ./build)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QD_BUILD_DIR:-build}
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  echo "test: $build_dir is not configured; run scripts/setup.sh first" >&2
  exit 2
fi
cmake --build "$build_dir" -j"$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
