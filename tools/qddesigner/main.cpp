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

struct Options {
    QCommandLineOption screenshot{
        "screenshot", "open the form, write a picture of the window after its first frame, quit",
        "FILE"};
    QCommandLineOption pages{
        "pages-screenshot",
        "open the form, write a picture of the selected control's property pages, quit", "FILE"};
    QCommandLineOption select{"select", "select the control NAME of the form", "NAME"};
    QCommandLineOption trace{"trace", "show the pane of the selected control's host calls"};
    QCommandLineOption edit{"edit",
                            "type VALUE into the grid's PROPERTY of the selected control "
                            "(repeatable; a refused value shows its error)",
                            "PROPERTY=VALUE"};
};

// Opens the form and selects the control the command line names; false (reported) when the
// form cannot be read or has no such control.
bool open_named(qd::designer::MainWindow& window, const QCommandLineParser& parser,
                const Options& o) {
    const bool shooting = parser.isSet(o.screenshot) || parser.isSet(o.pages);
    if (!parser.positionalArguments().isEmpty()) {
        QStringList problems;
        if (!window.openForm(parser.positionalArguments().front(), &problems, shooting)) {
            std::fprintf(stderr, "qddesigner: %s\n", qPrintable(problems.value(0)));
            return false;
        }
        for (const QString& p : problems)
            std::fprintf(stderr, "qddesigner: %s\n", qPrintable(p));
    }
    if (parser.isSet(o.select)) {
        const std::string name = parser.value(o.select).toStdString();
        if (!window.canvas().widget(name)) {
            std::fprintf(stderr, "qddesigner: the form has no control %s\n", name.c_str());
            return false;
        }
        window.canvas().setSelection({name});
    }
    for (const QString& edit : parser.values(o.edit)) {
        const qsizetype eq = edit.indexOf('=');
        if (eq <= 0) {
            std::fprintf(stderr, "qddesigner: --edit %s: not PROPERTY=VALUE\n", qPrintable(edit));
            return false;
        }
        window.grid().edit(edit.left(eq), edit.mid(eq + 1));
    }
    return true;
}

// Shows the selected control's property pages and pictures them; false (reported) when
// there is no control or no dialog in this build.
bool shoot_pages(qd::designer::MainWindow& window, const QString& path, int* status) {
    const auto& selection = window.canvas().selection();
    if (selection.empty()) {
        std::fprintf(stderr, "qddesigner: the form has no control for property pages\n");
        return false;
    }
#ifdef QD_DESIGNER_HAS_PAGES
    auto* dialog =
        new qd::qt::PropertyPagesDialog(window.canvas().widget(selection.front()), &window);
    dialog->show();
    screenshot_after_first_frame(dialog, path, status);
    return true;
#else
    (void)path;
    (void)status;
    std::fprintf(stderr, "qddesigner: this build has no property pages dialog\n");
    return false;
#endif
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
    const Options o;
    parser.addOptions({o.screenshot, o.pages, o.select, o.trace, o.edit});
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "qddesigner: too many arguments\n%s", qPrintable(parser.helpText()));
        return 2;
    }
    qd::designer::MainWindow window;
    if (!open_named(window, parser, o))
        return 2;
    window.showTracePane(parser.isSet(o.trace));
    window.show();
    int status = 0;
    if (parser.isSet(o.screenshot))
        screenshot_after_first_frame(&window, parser.value(o.screenshot), &status);
    if (parser.isSet(o.pages) && !shoot_pages(window, parser.value(o.pages), &status))
        return 2;
    return app.exec();
}
