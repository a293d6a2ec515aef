#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing) and builds what the main job runs:
# the two component modules and qdhost, registered in the build tree's registry. The test suite
# and the benchmarks are built by scripts/test.sh, which needs this first.
# Usage: scripts/setup.sh [extra cmake arguments]
#   QD_BUILD_DIR  the build folder (default ./build)
#   QD_BENCH=ON   configure the benchmarks too (installs Google Benchmark and Cairo, their peer)
#   QD_WERROR=ON  treat warnings as errors (CI and the developer preset do)
#   QD_QT=OFF     leave out the Qt widgets (and their packages); they build by default
set -euo pipefail
cd "$(dirname "$0")/.."

# Required to build and to draw; GoogleTest is small and lets scripts/test.sh run offline, and
# python3 runs the include-direction check of the suite.
packages=(cmake make g++ binutils pkg-config libpng-dev libfreetype-dev libfontconfig1-dev
          fontconfig fonts-dejavu-core libgif-dev googletest libgtest-dev libgmock-dev
          python3)
bench=${QD_BENCH:-OFF}
if [[ $bench == ON ]]; then
  packages+=(libbenchmark-dev libcairo2-dev)
fi
# The Qt widgets: Widgets and Test, Designer's plugin interface and uic, the offscreen platform
# the headless tests run on, and Qt Quick for the QML module (with the QML modules that
# `import QtQuick` and `QtQuick.Window` load; WorkerScript is needed but not pulled in).
qt=${QD_QT:-AUTO}
if [[ $qt != OFF ]]; then
  packages+=(qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-qpa-plugins
             qt6-declarative-dev qml6-module-qtquick qml6-module-qtquick-window
             qml6-module-qtqml-workerscript)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build_dir=${QD_BUILD_DIR:-build}
jobs=$(nproc)
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQD_BENCH="$bench" \
  -DQD_WERROR="${QD_WERROR:-OFF}" -DQD_QT="$qt" "$@" >/dev/null
cmake --build "$build_dir" -j"$jobs" --target qdProgressControls qdxProgressPie qdhost \
  qd_register_modules
echo "setup: built the modules and qdhost into $build_dir"
