// qt_designer_form: a form made in Qt Designer with the three controls, compiled by uic.
//
//   qt_designer_form [--screenshot PNG]
#include <QApplication>
#include <QCommandLineParser>
#include <QSaveFile>
#include <QTimer>

#include "ui_progress_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.setApplicationDescription("A Qt Designer form holding a pie, a bar and a single pie.");
    args.addHelpOption();
    const QCommandLineOption screenshot(
        "screenshot", "Write the form to PNG after its first frame, then quit.", "PNG");
    args.addOption(screenshot);
    args.process(app);

    QWidget form;
    Ui::ProgressForm ui;
    ui.setupUi(&form);
    form.show();
    if (args.isSet(screenshot)) {
        const QString png = args.value(screenshot);
        QTimer::singleShot(0, &form, [&form, png] {
            QSaveFile out(png);
            const bool ok =
                out.open(QIODevice::WriteOnly) && form.grab().save(&out, "PNG") && out.commit();
            if (!ok)
                fprintf(stderr, "qt_designer_form: cannot write %s\n", qPrintable(png));
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
