// qddesigner [FORM] [--screenshot FILE] [--pages-screenshot FILE]: the form designer.
#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#if __has_include(<qdprogress/qt/property_pages_dialog.h>)
#include <qdprogress/qt/property_pages_dialog.h>
#define QD_DESIGNER_HAS_PAGES 1
#endif

#include "tools/qddesigner/main_window.h"
#include "tools/qdhost/registry_location.h"

namespace {

constexpr const char* kDescription =
    "Lays out forms of the registered controls by hand: place, move and resize controls, edit\n"
    "every property, run the form, and save the form files `qdhost render` draws.\n"
    "The registry is chosen as qdhost chooses it (QD_REGISTRY, the build tree's, the per-user\n"
    "file, else the installed modules).";

// Grabs `widget` into `path` once the event loop has drawn its first frame, then quits.
void screenshot_after_first_frame(QWidget* widget, const QString& path, int* status) {
    QTimer::singleShot(200, widget, [widget, path, status] {
        if (!widget->grab().save(path, "PNG")) {
            std::fprintf(stderr, "qddesigner: cannot write %s\n", qPrintable(path));
            *status = 1;
        }
        QApplication::exit(*status);
    });
}

}  // namespace

int main(int argc, char** argv) {
    qd::qdhost::choose_registry(qd::qdhost::running_executable(), true);
    QApplication app(argc, argv);
    QApplication::setApplicationName("qddesigner");
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addPositionalArgument("FORM", "the form file to open (.qdf)", "[FORM]");
    const QCommandLineOption screenshot(
        "screenshot", "open the form, write a picture of the window after its first frame, quit",
        "FILE");
    const QCommandLineOption pages(
        "pages-screenshot",
        "open the form, write a picture of the first control's property pages, quit", "FILE");
    const QCommandLineOption select("select", "select the control NAME of the form", "NAME");
    const QCommandLineOption trace("trace", "show the pane of the selected control's host calls");
    parser.addOption(screenshot);
    parser.addOption(pages);
    parser.addOption(select);
    parser.addOption(trace);
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "qddesigner: too many arguments\n%s", qPrintable(parser.helpText()));
        return 2;
    }

    const bool shooting = parser.isSet(screenshot) || parser.isSet(pages);
    qd::designer::MainWindow window;
    if (!parser.positionalArguments().isEmpty()) {
        QStringList problems;
        if (!window.openForm(parser.positionalArguments().front(), &problems, shooting)) {
            std::fprintf(stderr, "qddesigner: %s\n", qPrintable(problems.value(0)));
            return 2;
        }
        for (const QString& p : problems)
            std::fprintf(stderr, "qddesigner: %s\n", qPrintable(p));
    }
    if (parser.isSet(select)) {
        const std::string name = parser.value(select).toStdString();
        if (!window.canvas().widget(name)) {
            std::fprintf(stderr, "qddesigner: the form has no control %s\n", name.c_str());
            return 2;
        }
        window.canvas().setSelection({name});
    }
    window.showTracePane(parser.isSet(trace));
    window.show();
    int status = 0;
    if (parser.isSet(screenshot))
        screenshot_after_first_frame(&window, parser.value(screenshot), &status);
    if (parser.isSet(pages)) {
        const auto& selection = window.canvas().selection();
        if (selection.empty()) {
            std::fprintf(stderr, "qddesigner: the form has no control for property pages\n");
            return 2;
        }
#ifdef QD_DESIGNER_HAS_PAGES
        auto* dialog =
            new qd::qt::PropertyPagesDialog(window.canvas().widget(selection.front()), &window);
        dialog->show();
        screenshot_after_first_frame(dialog, parser.value(pages), &status);
#else
        std::fprintf(stderr, "qddesigner: this build has no property pages dialog\n");
        return 2;
#endif
    }
    return app.exec();
}
