#!/usr/bin/env bash
# CI: installs the project into a temporary prefix and builds and runs examples/embed against
# the installed package: through find_package, through the registry that the installed qdhost
# fills (which also drives and renders with that qdhost), through pkg-config, and once more after
# moving the installed tree elsewhere. Exits non-zero on any failure.
# Usage: scripts/ci_package.sh            (reuses ./build when present; QD_BUILD_DIR overrides)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QD_BUILD_DIR:-build}
jobs=$(nproc)

# What this check runs besides the build's own packages (scripts/setup.sh installs those).
for tool in cmake g++ pkg-config; do
    if ! command -v "$tool" >/dev/null; then
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends cmake g++ pkg-config
        break
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

step() { echo "== package: $*"; }
fail() { echo "package: FAILED: $*" >&2; exit 1; }

# A PNG file that exists, is not empty and starts with the PNG signature.
check_png() {
    [[ -s $1 ]] || fail "$1 was not written"
    [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
        fail "$1 is not a PNG"
}

# The width and height fields of a PNG's header.
png_size() { od -An -tx1 -j16 -N8 "$1" | tr -d ' \n'; }

# Runs the example ($1) with the remaining arguments; checks its progress lines and its PNG.
run_example() {
    local program=$1 png=$2
    shift 2
    local log=$work/run.log
    "$program" "$png" "$@" | tee "$log" | tail -n 3
    grep -q '^step 20/20: pie shows "100%", bar shows "20/20"$' "$log" ||
        fail "$program did not report the last step"
    check_png "$png"
}

step "build ($build_dir)"
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The Qt widgets and their Designer plugin too, when this build has them.
qt_targets=()
build_targets=$(cmake --build "$build_dir" --target help)
for target in qdprogress-qt qdprogress-designer qdprogress-quick qdprogress-quickplugin; do
    if grep -qw -- "$target" <<<"$build_targets"; then qt_targets+=("$target"); fi
done
cmake --build "$build_dir" -j"$jobs" --target qdprogress_host qdProgressControls qdxProgressPie \
    qdhost "${qt_targets[@]}" >/dev/null

step "install into $prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
for f in bin/qdhost lib/qd/qdProgressControls.so lib/qd/qdxProgressPie.so \
    lib/libqdprogress-host.a lib/cmake/qdProgress/qdProgressConfig.cmake \
    lib/pkgconfig/qdprogress.pc include/qdprogress/progress_controls.h \
    include/qdprogress/single_pie.h include/qdprogress/embed.h include/qdprogress/qdprogress.h \
    share/qdprogress/examples/forms/dashboard.qdf share/doc/qdProgress/embedding.md; do
    [[ -e $prefix/$f ]] || fail "$f is missing from the install"
done

step "examples/embed through find_package"
cmake -S examples/embed -B "$work/embed" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/embed" -j"$jobs" >/dev/null
run_example "$work/embed/embed_progress" "$work/by-module.png"

step "the installed qdhost registers the installed modules; the example creates by ProgID"
export QD_REGISTRY=$work/registry
"$prefix/bin/qdhost" register "$prefix/lib/qd/qdProgressControls.so"
"$prefix/bin/qdhost" register "$prefix/lib/qd/qdxProgressPie.so"
grep -q "qdProgressControls.qdProgressPie $prefix/lib/qd/qdProgressControls.so" "$QD_REGISTRY" ||
    fail "the registry does not point at the installed module"
run_example "$work/embed/embed_progress" "$work/by-progid.png" --registry
printf '%s\n' 'new pie qdProgressControls.qdProgressPie 1500 1500' 'pie.Value = 60' \
    'new single qdxProgressPieControl.qdxProgressPie' "png pie $work/qdhost-pie.png" \
    "png single $work/qdhost-single.png" | "$prefix/bin/qdhost" run - ||
    fail "the installed qdhost could not drive the installed modules"
check_png "$work/qdhost-pie.png"
check_png "$work/qdhost-single.png"
"$prefix/bin/qdhost" render "$work/by-progid.qdf" -o "$work/rendered.png" ||
    fail "the installed qdhost could not render the example's form"
# A fresh draw may differ from the step-by-step one in a few seam pixels, never in size.
[[ $(png_size "$work/rendered.png") == "$(png_size "$work/by-progid.png")" ]] ||
    fail "the form file does not render at the size the example drew it"
unset QD_REGISTRY

step "examples/embed through pkg-config"
export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
module=$(pkg-config --variable=controls_module qdprogress)
[[ -f $module ]] || fail "pkg-config's controls_module ($module) does not exist"
# shellcheck disable=SC2046  # pkg-config's flags are meant to split
g++ -std=c++20 -Wall -Wextra -Werror -o "$work/embed_pc" examples/embed/main.cpp \
    -DQD_CONTROLS_MODULE="\"$module\"" $(pkg-config --cflags --libs qdprogress)
run_example "$work/embed_pc" "$work/by-pkg-config.png"
unset PKG_CONFIG_PATH

if ((${#qt_targets[@]})); then
    step "examples/qt-progress through find_package(qdProgress COMPONENTS qt), and pkg-config"
    cmake -S examples/qt-progress -B "$work/qt-progress" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
    cmake --build "$work/qt-progress" -j"$jobs" >/dev/null
    # No registry: the widgets find the installed modules beside the installed library.
    env -u QD_REGISTRY HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen \
        "$work/qt-progress/qt_progress" --value 40 --screenshot "$work/qt.png" 2>/dev/null
    check_png "$work/qt.png"
    PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --exists qdprogress-qt ||
        fail "pkg-config does not know qdprogress-qt"
    ls "$prefix"/lib/*/qt6/plugins/designer/qdprogress-designer.so >/dev/null ||
        fail "the Designer plugin is missing from the install"
    if [[ " ${qt_targets[*]} " == *" qdprogress-quickplugin "* ]]; then
        ls "$prefix"/lib/*/qt6/qml/QdProgress/qmldir >/dev/null ||
            fail "the QML module QdProgress is missing from the install"
    fi
fi

step "the installed tree works from another place, with the example it carries"
mv "$prefix" "$work/moved"
cmake -S "$work/moved/share/qdprogress/examples/embed" -B "$work/embed-moved" \
    -DCMAKE_PREFIX_PATH="$work/moved" >/dev/null
cmake --build "$work/embed-moved" -j"$jobs" >/dev/null
run_example "$work/embed-moved/embed_progress" "$work/moved.png"

echo "package: 4 passed, 0 failed"
