#!/usr/bin/env bash
# Runs the whole test suite of a build (default ./build) through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QD_BUILD_DIR:-build}
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
