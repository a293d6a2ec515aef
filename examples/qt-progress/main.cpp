// qt_progress: the three controls in a Qt window, following the hash of a file.
//
//   qt_progress [--file PATH] [--value PERCENT] [--screenshot PNG]
#include <QApplication>
#include <QCommandLineParser>
#include <QSaveFile>
#include <QTimer>

#include "progress_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("qt_progress");
    QCommandLineParser args;
    args.setApplicationDescription(
        "A pie, a bar and a single pie following the SHA-256 hash of a file.");
    args.addHelpOption();
    const QCommandLineOption file("file", "Hash PATH at once.", "PATH");
    const QCommandLineOption value("value", "Show PERCENT on the controls at the start.",
                                   "PERCENT");
    const QCommandLineOption screenshot(
        "screenshot", "Write the window to PNG after its first frame, then quit.", "PNG");
    args.addOptions({file, value, screenshot});
    args.process(app);

    ProgressWindow window;
    if (args.isSet(value)) {
        bool ok = false;
        const int percent = args.value(value).toInt(&ok);
        if (!ok || percent < 0 || percent > 100) {
            fprintf(stderr, "qt_progress: --value takes 0 to 100, not %s\n",
                    qPrintable(args.value(value)));
            return 2;
        }
        window.showProgress(percent);
    }
    window.show();
    if (args.isSet(file))
        emit window.hashRequested(args.value(file));
    if (args.isSet(screenshot)) {
        const QString png = args.value(screenshot);
        QTimer::singleShot(0, &window, [&window, png] {
            // Written whole or not at all: an older picture stays until the new one is complete.
            QSaveFile out(png);
            if (!out.open(QIODevice::WriteOnly) || !window.grab().save(&out, "PNG") ||
                !out.commit()) {
                fprintf(stderr, "qt_progress: cannot write %s\n", qPrintable(png));
                QApplication::exit(1);
                return;
            }
            QApplication::quit();
        });
    }
    return app.exec();
}
