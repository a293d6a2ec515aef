#!/usr/bin/env bash
# Installs the build's Debian packages (when missing) and builds the project into ./build.
# Usage: scripts/setup.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ binutils pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
          libpng-dev libfreetype-dev libfontconfig1-dev fontconfig fonts-dejavu-core libgif-dev
          libcairo2-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${QD_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
echo "setup: built into $build_dir"
