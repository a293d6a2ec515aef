#!/usr/bin/env bash
# Takes the pictures of docs/qt.md under Xvfb: the example application, the Designer form
# example, and Qt Designer with the plugin loaded (its widget box lists the qdProgress group).
# Usage: scripts/qt_screenshots.sh [BUILD]   (default ./build, with the Qt parts built)
# Needs xvfb, xauth and designer-qt6.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$PWD/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QD_REGISTRY=$build/registry

# A whole-screen grab through Qt's own X11 platform: no other screenshot tool is needed.
cat >"$work/grab.cpp" <<'CPP'
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QRect r = argc > 5 ? QRect(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]))
                             : QRect();
    QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!r.isNull())
        shot = shot.copy(r);
    return shot.save(argv[1]) ? 0 : 1;
}
CPP
# shellcheck disable=SC2046  # pkg-config's flags are meant to split
g++ -std=c++20 -fPIC -o "$work/grab" "$work/grab.cpp" $(pkg-config --cflags --libs Qt6Gui)

# The property dialog's two tabs, on a bar at 30.
cat >"$work/dialog.cpp" <<'CPP'
#include <QApplication>
#include <QTabWidget>
#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/property_pages_dialog.h>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qd::qt::ProgressBar bar;
    bar.setValue(30);
    qd::qt::PropertyPagesDialog dialog(&bar);
    dialog.show();
    bool ok = dialog.grab().save(argv[1]);
    dialog.tabs()->setCurrentIndex(1);
    return ok && dialog.grab().save(argv[2]) ? 0 : 1;
}
CPP
# shellcheck disable=SC2046
g++ -std=c++20 -fPIC -o "$work/dialog" "$work/dialog.cpp" -Iqt/include -Iinclude \
  $(pkg-config --cflags --libs Qt6Widgets) -L"$build/lib" -lqdprogress-qt -Wl,-rpath,"$build/lib"

run_xvfb() { xvfb-run -a -s "-screen 0 ${1}x24" bash -c "$2"; }

run_xvfb 1024x768 "'$build/bin/qt_progress' --value 40 --screenshot '$out/qt-progress.png'"
run_xvfb 1024x768 "'$build/bin/qt_designer_form' --screenshot '$out/qt-designer-form.png'"
run_xvfb 1024x768 "'$work/dialog' '$out/qt-dialog-colors.png' '$out/qt-dialog-data.png'"

# Designer keeps its settings in HOME; it finds the plugin through QT_PLUGIN_PATH.
designer=$(qtpaths6 --query QT_INSTALL_BINS)/designer
# The standard groups start closed, so that the widget box shows the qdProgress group at its end.
mkdir -p "$work/home/.config/QtProject"
cat >"$work/home/.config/QtProject/designer.conf" <<'INI'
[widgetbox]
Closed%20categories=Layouts, Spacers, Buttons, Item Views (Model-Based), Item Widgets (Item-Based), Containers, Input Widgets, Display Widgets
INI
run_xvfb 1280x4000 "
  export HOME='$work/home' XDG_CONFIG_HOME='$work/home/.config' QT_PLUGIN_PATH='$build/plugins'
  QT_QPA_PLATFORM=xcb '$designer' examples/qt-designer/progress_form.ui &
  sleep 6
  '$work/grab' '$out/qt-designer-widget-box.png' ${QD_GRAB_RECT:-0 1180 860 500}
  kill %1"
echo "qt_screenshots: wrote qt-progress.png, qt-designer-form.png, qt-dialog-colors.png," \
  "qt-dialog-data.png and qt-designer-widget-box.png into $out"
