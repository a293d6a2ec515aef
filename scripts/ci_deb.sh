#!/usr/bin/env bash
# CI: builds the Debian packages of a build (cpack -G DEB), installs them with apt-get, builds
# examples/embed against the installed files and runs it, draws the gallery with the installed
# qdhost (no register step), then removes the packages again. Exits non-zero on any failure.
# Usage: scripts/ci_deb.sh [BUILD]      (default ./build; it is configured when it is not)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
work=$(mktemp -d)
installed=0
cleanup() {
  if ((installed)); then
    apt-get remove -y -qq qdprogress-qt-dev qdprogress-qt qdprogress-dev qdprogress >/dev/null ||
      true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
step() { echo "== deb: $*"; }
fail() { echo "deb: FAILED: $*" >&2; exit 1; }

command -v dpkg-shlibdeps >/dev/null || apt-get install -y -qq --no-install-recommends dpkg-dev
if dpkg-query -W -f='${Status}' qdprogress 2>/dev/null | grep -q "install ok installed"; then
  fail "qdprogress is installed already; this check installs and removes its own"
fi
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
step "build the installed parts"
# The Qt widgets and their Designer plugin too, when this build has them.
qt_targets=()
build_targets=$(cmake --build "$build" --target help)
# The form designer too, which the Qt package carries.
for target in qdprogress-qt qdprogress-designer qdprogress-quick qdprogress-quickplugin qddesigner; do
  if grep -qw -- "$target" <<<"$build_targets"; then qt_targets+=("$target"); fi
done
cmake --build "$build" -j"$(nproc)" --target qdprogress_host qdProgressControls qdxProgressPie \
  qdhost "${qt_targets[@]}" >/dev/null

step "cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$work/debs" >/dev/null)
ls "$work"/debs/*.deb
for pkg in qdprogress qdprogress-dev; do
  deb=$(ls "$work"/debs/${pkg}_*.deb 2>/dev/null | head -n 1)
  [[ -n $deb ]] || fail "no $pkg package"
  echo "$pkg depends: $(dpkg-deb -f "$deb" Depends)"
done
dpkg-deb -c "$work"/debs/qdprogress-dev_*.deb >"$work/dev.list"
grep -q '/usr/include/qdprogress/qdprogress.h' "$work/dev.list" ||
  fail "qdprogress-dev lacks the umbrella header"
if grep -E '/usr/include/qdprogress/.*/' "$work/dev.list"; then
  fail "qdprogress-dev installs internal headers"
fi

if ((${#qt_targets[@]})); then
  dpkg-deb -c "$work"/debs/qdprogress-qt_*.deb >"$work/qt.list"
  dpkg-deb -c "$work"/debs/qdprogress-qt-dev_*.deb >"$work/qt-dev.list"
  grep -q 'qt6/plugins/designer/qdprogress-designer.so' "$work/qt.list" ||
    fail "qdprogress-qt lacks the Designer plugin"
  grep -q '/usr/include/qdprogress/qt/control_widget.h' "$work/qt-dev.list" ||
    fail "qdprogress-qt-dev lacks the widget headers"
fi

step "apt-get install ./*.deb"
installed=1
apt-get install -y -qq "$work"/debs/*.deb >/dev/null

step "examples/embed against the installed files"
cmake -S examples/embed -B "$work/embed" >/dev/null
cmake --build "$work/embed" -j"$(nproc)" >/dev/null
(cd "$work" && "$work/embed/embed_progress" "$work/embed.png" | tail -n 2)
[[ -s $work/embed.png ]] || fail "the example wrote no picture"

step "the installed qdhost draws the gallery with no register step"
(cd "$work" && env -u QD_REGISTRY HOME="$work/home" XDG_CONFIG_HOME= qdhost demo -o "$work/gallery" |
  tail -n 1)
[[ -s $work/gallery/contact-sheet.png ]] || fail "qdhost demo drew no contact sheet"

if ((${#qt_targets[@]})); then
  step "examples/qt-progress against the installed files, modules found with no registry"
  cmake -S examples/qt-progress -B "$work/qt-progress" >/dev/null
  cmake --build "$work/qt-progress" -j"$(nproc)" >/dev/null
  env -u QD_REGISTRY HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen \
    "$work/qt-progress/qt_progress" --value 40 --screenshot "$work/qt.png" 2>/dev/null
  [[ -s $work/qt.png ]] || fail "the Qt example wrote no picture"
fi

step "remove the packages"
apt-get remove -y -qq qdprogress-qt-dev qdprogress-qt qdprogress-dev qdprogress >/dev/null
installed=0
[[ ! -e /usr/bin/qdhost ]] || fail "/usr/bin/qdhost is still there after removal"
echo "deb: passed"
