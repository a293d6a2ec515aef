#!/usr/bin/env bash
# Checks that a build still produces what a reference build produced: every bundled script's
# trace, the files those scripts write, every `qdhost demo` picture (compared by content, so a
# renamed picture still matches) and the dashboard form's render.
#
# Usage: scripts/check_identical.sh BASELINE_DIR [BUILD_DIR]
#        scripts/check_identical.sh --record BASELINE_DIR [BUILD_DIR]
#   BASELINE_DIR holds NAME.trace per examples/scripts/NAME.qds, script-out/ (what the scripts
#   wrote), gallery/ (qdhost demo -o), dashboard.png (qdhost render of the dashboard form) and,
#   when present, typelib-MODULE.txt (qdhost typelib of each module).
#   --record writes that folder from a build (say, of main before a merge) to compare against.
# Exits 0 when everything matches, 1 with a line per difference otherwise.
set -uo pipefail

if [[ $# -lt 1 || $1 == --help || $1 == -h ]]; then
  sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
  [[ $# -lt 1 ]] && exit 2 || exit 0
fi
record=0
if [[ $1 == --record ]]; then
  record=1
  shift
  [[ $# -ge 1 ]] || { echo "check_identical: --record needs BASELINE_DIR" >&2; exit 2; }
  mkdir -p "$1" || exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
baseline=$(cd "$1" && pwd) || { echo "check_identical: no baseline folder $1" >&2; exit 2; }
build=$(cd "${2:-$root/build}" && pwd) || { echo "check_identical: no build folder ${2:-build}" >&2; exit 2; }
qdhost=$build/bin/qdhost
[[ -x $qdhost ]] || { echo "check_identical: $qdhost is not built" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
differ() { echo "DIFFERS: $*"; failures=$((failures + 1)); }

# Scripts run from inside a copy of examples/scripts, as the baseline was made, so the files
# they write land beside them and can be compared.
cp -r "$root/examples/scripts" "$work/scripts"
for script in "$root"/examples/scripts/*.qds; do
  name=$(basename "$script" .qds)
  (cd "$work/scripts" && "$qdhost" run "$name.qds" >"$work/$name.trace" 2>&1)
  ((record)) || cmp -s "$work/$name.trace" "$baseline/$name.trace" || differ "trace of $name.qds"
done
for expected in "$baseline"/script-out/*; do
  ((record)) && break
  file=$(basename "$expected")
  cmp -s "$work/scripts/$file" "$expected" || differ "script output $file"
done

# Gallery: the sorted content sums must agree, whatever the files are called.
"$qdhost" demo -o "$work/gallery" >/dev/null 2>&1 || differ "qdhost demo failed"
sums() { (cd "$1" && sha256sum -- * | awk '{print $1}' | sort); }
if ((!record)) && ! diff <(sums "$baseline/gallery") <(sums "$work/gallery") >/dev/null; then
  differ "gallery content ($(ls "$work/gallery" | wc -l) files against $(ls "$baseline/gallery" | wc -l))"
fi

# The type information of both modules: names, slots, identifiers and enumerations.
for module in qdProgressControls qdxProgressPie; do
  "$qdhost" typelib "$build/lib/$module.so" >"$work/typelib-$module.txt" 2>&1
  if ((!record)) && [[ -f $baseline/typelib-$module.txt ]]; then
    cmp -s "$work/typelib-$module.txt" "$baseline/typelib-$module.txt" || differ "typelib of $module"
  fi
done

if ((record)); then
  cp "$work"/typelib-*.txt "$baseline/"
  "$qdhost" render "$root/examples/forms/dashboard.qdf" -o "$baseline/dashboard.png" >/dev/null 2>&1
  rm -rf "$baseline/gallery" "$baseline/script-out"
  cp -r "$work/gallery" "$baseline/gallery"
  mkdir -p "$baseline/script-out"
  (cd "$work/scripts" && for f in *; do
    [[ -f $root/examples/scripts/$f ]] || cp "$f" "$baseline/script-out/"
  done)
  cp "$work"/*.trace "$baseline/"
  echo "check_identical: recorded $baseline from $build"
  exit 0
fi

if [[ -f $baseline/dashboard.png ]]; then
  "$qdhost" render "$root/examples/forms/dashboard.qdf" -o "$work/dashboard.png" >/dev/null 2>&1
  cmp -s "$work/dashboard.png" "$baseline/dashboard.png" || differ "dashboard render"
fi

if ((failures)); then
  echo "check_identical: $failures difference(s) against $baseline"
  exit 1
fi
echo "check_identical: traces, script outputs, gallery and dashboard identical to $baseline"
