#!/usr/bin/env bash
# Runs the bundled qdhost scripts and the example form once under valgrind memcheck: any
# invalid read or write, use of an uninitialised value or definite leak fails the script, and
# so does a script that does not succeed. The only suppressions are known library noise
# (fontconfig), kept in scripts/valgrind.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${QD_VALGRIND_BUILD:-$root/build-valgrind}

if ! command -v valgrind >/dev/null; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq valgrind
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQD_TESTS=OFF \
  -DQD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target qdhost qdProgressControls qdxProgressPie

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QD_REGISTRY="$work/registry"
qdhost="$build/bin/qdhost"
"$qdhost" register "$build/lib/qdProgressControls.so" >/dev/null
"$qdhost" register "$build/lib/qdxProgressPie.so" >/dev/null

memcheck=(valgrind --tool=memcheck --error-exitcode=1 --leak-check=full
          --errors-for-leak-kinds=definite,possible --track-origins=yes --quiet
          --suppressions="$root/scripts/valgrind.supp")
status=0
run() {
  echo "== valgrind qdhost $*"
  if ! (cd "$work" && "${memcheck[@]}" "$qdhost" "$@" >"$work/out.txt"); then
    tail -n 20 "$work/out.txt"
    status=1
  fi
}
for script in "$root"/examples/scripts/*.qds; do
  run run "$script"
done
run render "$root/examples/forms/dashboard.qdf" -o "$work/dashboard.png"
exit $status
