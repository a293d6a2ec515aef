// The designer through its real window, real controls and real files: gestures with undo and
// redo, the property grid, open / save, Export PNG against `qdhost render`, damaged forms and
// run mode.
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "host/loader/loader.h"
#include "tools/qddesigner/main_window.h"
#include "tools/qdhost/resources.h"

using namespace qd::designer;

namespace {

const QString kPie = "qdProgressControls.qdProgressPie";

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll()
                                       : QByteArray("(unreadable " + path.toUtf8() + ")");
}

QString dashboard() {
    return qEnvironmentVariable("QD_FORMS") + "/dashboard.qdf";
}

// Every control's place and stored text, in form order: what undo and redo must restore.
std::vector<DesignControl> state_of(MainWindow& w) {
    std::vector<DesignControl> state = w.model().controls();
    for (DesignControl& c : state)  // the live control must hold what the model holds
        if (qd::qt::ControlWidget* cw = w.canvas().widget(c.name)) {
            if (cw->saveProperties().toStdString() != c.stored)
                c.stored = "(widget differs) " + cw->saveProperties().toStdString();
            if (cw->extentTwips() != QSizeF(c.place.width, c.place.height))
                c.place.width = -1;
        }
    return state;
}

QPoint centre_of(MainWindow& w, const std::string& name) {
    return w.canvas().widget(name)->geometry().center();
}

}  // namespace

class DesignerTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void gesturesUndoAndRedoRestoreExactly();
    void gridEditsControlsAndSavedForm();
    void openSaveRoundTripsByteForByte();
    void exportEqualsQdhostRender();
    void damagedFormLoadsGoodControls();
    void runModeRestoresEveryProperty();
    void toolboxListsClassesWithTheirBitmaps();
    void canvasShowsWhatQdhostRenders();
    void tracePaneMatchesQdhostTrace();
    void commandLine();
    void selectionGesturesAndFailedSave();
    void propertyPagesApplyAsOneUndoStep();
};

void DesignerTest::gesturesUndoAndRedoRestoreExactly() {
    MainWindow w;
    w.show();
    FormCanvas& canvas = w.canvas();
    std::vector<std::vector<DesignControl>> states{state_of(w)};
    auto record = [&] { states.push_back(state_of(w)); };

    QVERIFY(canvas.placeControl(kPie, QPoint(17, 18)));  // snaps to the 8-pixel grid
    QCOMPARE(w.model().controls().at(0).place, (TwipsRect{240, 240, 3000, 3000}));
    record();
    QVERIFY(canvas.placeControl("qdProgressControls.qdProgressBar", QPoint(8, 220)));
    record();
    const std::string pie = w.model().controls().at(0).name;
    const std::string bar = w.model().controls().at(1).name;

    // Drag the pie by (37, 5) pixels: snapped to (40, 8), so 600 and 120 twips.
    QPoint at = centre_of(w, pie);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, at);
    QTest::mouseMove(&canvas, at + QPoint(20, 3));
    QTest::mouseMove(&canvas, at + QPoint(37, 5));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at + QPoint(37, 5));
    QCOMPARE(w.model().find(pie)->place, (TwipsRect{840, 360, 3000, 3000}));
    record();

    // Ctrl adds the bar; arrows move both by a grid step, Shift by one pixel.
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::ControlModifier, centre_of(w, bar));
    QCOMPARE(canvas.selection().size(), std::size_t(2));
    QTest::keyClick(&canvas, Qt::Key_Right);
    record();
    QTest::keyClick(&canvas, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(w.model().find(pie)->place, (TwipsRect{960, 375, 3000, 3000}));
    record();

    // The bottom-right handle dragged far up-left: the control keeps its own minimum.
    canvas.setSelection({pie});
    const QRect r = canvas.widget(pie)->geometry();
    at = r.bottomRight() + QPoint(1, 1);
    QTest::mousePress(&canvas, Qt::LeftButton, {}, at);
    QTest::mouseMove(&canvas, at - QPoint(150, 190));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at - QPoint(150, 190));
    const TwipsRect shrunk = w.model().find(pie)->place;
    const QSize least = canvas.widget(pie)->minimumSizeHint();
    QVERIFY(shrunk.width < 3000 && shrunk.height < 3000);
    // Edges snap to the grid: the right edge to 264 - 150 = 114, so 112; the bottom to 32.
    QCOMPARE(canvas.widget(pie)->size(),
             QSize(std::max(least.width(), 112 - r.x()), std::max(least.height(), 32 - r.y())));
    QCOMPARE(QSizeF(shrunk.width, shrunk.height), canvas.widget(pie)->extentTwips());
    record();

    // Resizing from the top-left corner keeps the bottom-right one.
    const QRect before = canvas.widget(pie)->geometry();
    canvas.resizeControl(
        pie, QRect(before.x() - 16, before.y() - 24, before.width() + 16, before.height() + 24));
    QCOMPARE(canvas.widget(pie)->geometry().bottomRight(), before.bottomRight());
    record();

    canvas.selectAll();
    canvas.copySelection();
    canvas.paste();  // copies a grid step away, under new names, with their properties
    QCOMPARE(w.model().controls().size(), std::size_t(4));
    QCOMPARE(w.model().controls()[2].stored, w.model().controls()[0].stored);
    QCOMPARE(w.model().controls()[2].place.left, w.model().controls()[0].place.left + 120);
    record();
    canvas.setSelection({bar});
    canvas.deleteSelection();
    QVERIFY(!canvas.widget(bar));
    record();

    const int steps = static_cast<int>(states.size()) - 1;
    QCOMPARE(w.undoStack().count(), steps);
    for (int i = steps - 1; i >= 0; --i) {
        w.undoStack().undo();
        QVERIFY2(state_of(w) == states[static_cast<std::size_t>(i)],
                 qPrintable(QString::number(i)));
    }
    for (int i = 1; i <= steps; ++i) {
        w.undoStack().redo();
        QVERIFY2(state_of(w) == states[static_cast<std::size_t>(i)],
                 qPrintable(QString::number(i)));
    }
}

void DesignerTest::gridEditsControlsAndSavedForm() {
    QTemporaryDir dir;
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    w.canvas().setSelection({"upload"});
    qd::qt::ControlWidget* upload = w.canvas().widget("upload");
    PropertyGrid& grid = w.grid();

    // Through the editor itself, as a user types.
    auto* value = grid.findChild<QLineEdit*>("edit_Value");
    QVERIFY(value);
    value->setFocus();
    value->selectAll();
    QTest::keyClicks(value, "75");
    QTest::keyClick(value, Qt::Key_Return);
    QCOMPARE(upload->controlProperty("Value").toDouble(), 75.0);
    const QString saved = dir.filePath("edited.qdf");
    QVERIFY(w.saveForm(saved));
    QVERIFY(
        read_all(saved).contains("[control upload qdProgressControls.qdProgressPie 150 150 "
                                 "2400 2400]\nMin = float32 0\nMax = float32 100\n"
                                 "Value = float32 75\n"));

    // Refused values: the error's text and number in the row, nothing changed, nothing to undo.
    const QByteArray held = upload->saveProperties();
    const int steps = w.undoStack().count();
    struct Refusal {
        const char* property;
        QVariant value;
        const char* number;
    };
    for (const Refusal& r :
         {Refusal{"Value", "abc", "error 13"}, Refusal{"LabelSize", 40000, "error 6"}}) {
        QVERIFY2(!grid.edit(r.property, r.value), r.property);
        QVERIFY2(grid.errorText(r.property).contains(r.number),
                 qPrintable(grid.errorText(r.property)));
        QCOMPARE(upload->saveProperties(), held);
        QCOMPARE(w.undoStack().count(), steps);
    }
    QVERIFY(grid.edit("LabelSize", 20));
    QVERIFY(grid.errorText("LabelSize").isEmpty());

    // Two pies selected: one edit changes both, one undo restores both.
    w.canvas().copySelection();
    w.canvas().paste();
    const std::string copy = w.canvas().selection().front();
    w.canvas().setSelection({"upload", copy});
    QVERIFY(grid.edit("FillType", 0));
    QCOMPARE(upload->controlProperty("FillType").toInt(), 0);
    QCOMPARE(w.canvas().widget(copy)->controlProperty("FillType").toInt(), 0);
    w.undoStack().undo();
    QCOMPARE(upload->controlProperty("FillType").toInt(), 2);
    QCOMPARE(w.canvas().widget(copy)->controlProperty("FillType").toInt(), 2);
    QCOMPARE(grid.findChild<QLineEdit*>("edit_LabelSize")->text(), QString("20"));
}

void DesignerTest::openSaveRoundTripsByteForByte() {
    QTemporaryDir dir;
    MainWindow w;
    QStringList problems;
    QVERIFY(w.openForm(dashboard(), &problems, true));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(w.model().controls().size(), std::size_t(3));
    QVERIFY(w.saveForm(dir.filePath("same.qdf")));
    QCOMPARE(read_all(dir.filePath("same.qdf")), read_all(dashboard()));
    // An edit undone, and a move undone, leave nothing changed either.
    w.canvas().setSelection({"install"});
    QVERIFY(w.grid().edit("BorderStyle", 0));
    w.canvas().moveSelection(8, 8);
    w.undoStack().undo();
    w.undoStack().undo();
    QVERIFY(w.saveForm(dir.filePath("again.qdf")));
    QCOMPARE(read_all(dir.filePath("again.qdf")), read_all(dashboard()));
}

void DesignerTest::exportEqualsQdhostRender() {
    QTemporaryDir dir;
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    w.canvas().setSelection({"download"});
    QVERIFY(w.grid().edit("Value", 33));
    w.canvas().moveSelection(-8, 16);
    const QString form = dir.filePath("designed.qdf");
    QVERIFY(w.saveForm(form));
    for (const double scale : {1.0, 2.0})
        for (const bool smooth : {false, true}) {
            const QString tag = QString("%1%2").arg(scale).arg(smooth ? "s" : "");
            const QString ours = dir.filePath("ours" + tag + ".png");
            const QString theirs = dir.filePath("qdhost" + tag + ".png");
            QString error;
            QVERIFY2(w.exportPng(ours, scale, smooth, &error), qPrintable(error));
            QStringList args{"render", form, "-o", theirs, "--scale", QString::number(scale)};
            if (smooth)
                args << "--smooth";
            QCOMPARE(QProcess::execute(qEnvironmentVariable("QD_QDHOST"), args), 0);
            QCOMPARE(read_all(ours), read_all(theirs));
        }
}

void DesignerTest::damagedFormLoadsGoodControls() {
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.qdf");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "[form 6000 3000]\n"
        "[control good qdProgressControls.qdProgressPie 0 0 1500 1500]\n"
        "Value = float32 40\n"
        "Max = float32 nonsense\n"                                          // line 4
        "[control broken qdProgressControls.qdProgressBar 0 0 wide 390]\n"  // line 5
        "Value = float32 10\n"
        "[control ghost NoSuchLibrary.NoSuchClass 0 0 100 100]\n"  // line 7
        "[control second qdProgressControls.qdProgressBar 1800 0 3600 450]\n"
        "BorderStyle = sideways\n"  // line 9: untyped, and no number
        "[control refuser qdProgressControls.qdProgressBar 1800 600 3600 450]\n"
        "BorderStyle = int32 7\n");  // no border style of that number: not loaded
    f.close();
    MainWindow w;
    QStringList problems;
    QVERIFY(w.openForm(path, &problems, true));
    const QString listed = problems.join('\n');
    for (const char* line : {":4:", ":5:", ":9:", "ghost", "refuser"})
        QVERIFY2(listed.contains(line), qPrintable(listed));
    std::vector<std::string> names;
    for (const DesignControl& c : w.model().controls())
        names.push_back(c.name);
    QCOMPARE(names, (std::vector<std::string>{"good", "second"}));
    QCOMPARE(w.canvas().widget("good")->controlProperty("Value").toDouble(), 40.0);
    QCOMPARE(problems.size(), 5);
    QCOMPARE(w.canvas().selection(), std::vector<std::string>{"good"});
}

void DesignerTest::runModeRestoresEveryProperty() {
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    std::vector<QByteArray> before;
    std::vector<QVariantList> values;
    for (const DesignControl& c : w.model().controls()) {
        qd::qt::ControlWidget* cw = w.canvas().widget(c.name);
        before.push_back(cw->saveProperties());
        QVariantList v;
        for (const qd::qt::PropertyInfo& p : cw->properties())
            v << cw->controlProperty(p.name);
        values.push_back(v);
    }
    w.canvas().setSelection({"install"});
    w.canvas().moveSelection(0, 8);
    w.runMode().start(60);
    QVERIFY(w.canvas().running());
    QVERIFY(w.canvas().selection().empty());
    // Nothing edits the form while it runs: not undo, not delete, not a paste.
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text().startsWith("&Undo") || a->text() == "&Paste" || a->text() == "&Delete")
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    w.runMode().step(0.5);
    QCOMPARE(w.canvas().widget("install")->controlProperty("Value").toDouble(), 50.0);
    w.runMode().step(1);
    QCOMPARE(w.canvas().widget("upload")->controlProperty("Value").toDouble(), 100.0);
    QTest::qWait(100);  // a few ticks of the timer too
    w.runMode().stop();
    QVERIFY(!w.canvas().running());
    for (std::size_t i = 0; i < before.size(); ++i) {
        qd::qt::ControlWidget* cw = w.canvas().widget(w.model().controls()[i].name);
        QCOMPARE(cw->saveProperties(), before[i]);
        QVariantList v;
        for (const qd::qt::PropertyInfo& p : cw->properties())
            v << cw->controlProperty(p.name);
        QCOMPARE(v, values[i]);
    }
    QCOMPARE(w.undoStack().count(), 1);
    QCOMPARE(w.model().find("install")->place.top, 270.0f);
}

void DesignerTest::toolboxListsClassesWithTheirBitmaps() {
    MainWindow w;
    ToolboxPanel& toolbox = w.toolbox();
    const ToolboxClass* pie = toolbox.findClass(kPie.toStdString());
    const ToolboxClass* bar = toolbox.findClass("qdProgressControls.qdProgressBar");
    const ToolboxClass* single = toolbox.findClass("qdxProgressPieControl.qdxProgressPie");
    QVERIFY(pie && bar && single);
    QVERIFY(!toolbox.findClass("qdProgressControls.Data"));  // a page, not a control
    QCOMPARE(bar->design_width, 5310.0f);
    // The bar's bitmap is 30000, the pie's 30001: the classes by name take them in order.
    const std::string module = toolbox.libraries().front().path;
    const qd::host::TypeLibraryRef tl = qd::host::type_library(module);
    for (std::size_t i = 0; i < tl.desc().bitmap_count; ++i) {
        const qd::BitmapDesc& b = tl.desc().bitmaps[i];
        const ToolboxClass* owner = b.id == 30000 ? bar : pie;
        const qd::host::Image expected = qd::qdhost::bitmap_picture(b);
        QVERIFY(owner->bitmap.width == expected.width && owner->bitmap.pixels == expected.pixels);
    }
    QVERIFY(!single->bitmap.empty());

    // A file that is no module is listed with its error, not dropped.
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.so"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a module");
    junk.close();
    QString error;
    QVERIFY(!toolbox.addLibrary(junk.fileName(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(toolbox.libraries().back().path, junk.fileName().toStdString());
    QCOMPARE(toolbox.libraries().back().error, error.toStdString());
}

void DesignerTest::canvasShowsWhatQdhostRenders() {
    QTemporaryDir dir;
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    w.show();
    // Off the grid and in between pixels: a place of 1013 twips is pixel 68 in both.
    w.canvas().setSelection({"install"});
    w.canvas().moveSelection(3, -5);
    w.canvas().setSelection({"download"});
    QVERIFY(w.grid().edit("Value", 12.5));
    w.canvas().setSnapToGrid(false);
    w.canvas().setSelection({});
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString png = dir.filePath("form.png");
    QVERIFY(w.exportPng(png, w.devicePixelRatioF(), false));  // the suite runs at 1 and 2
    const QImage shown = w.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage rendered = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), rendered.size());
    QString first;
    for (int y = 0; y < shown.height() && first.isEmpty(); ++y)
        for (int x = 0; x < shown.width() && first.isEmpty(); ++x)
            if (shown.pixel(x, y) != rendered.pixel(x, y))
                first = QString("(%1, %2): %3 on the canvas, %4 rendered")
                            .arg(x)
                            .arg(y)
                            .arg(shown.pixel(x, y), 8, 16)
                            .arg(rendered.pixel(x, y), 8, 16);
    QVERIFY2(first.isEmpty(), qPrintable(first));
}

void DesignerTest::tracePaneMatchesQdhostTrace() {
    QTemporaryDir dir;
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    w.canvas().setSelection({"install"});
    auto* pane = w.findChild<QPlainTextEdit*>("tracePane");
    QVERIFY(pane->toPlainText().startsWith("# install (qdProgressControls.qdProgressBar) loads"));
    QVERIFY(w.grid().edit("Value", 70));
    const QString text = pane->toPlainText();
    const QString marker = "# install.Value = float32 70\n";
    QVERIFY2(text.contains(marker), qPrintable(text));
    const QString ours = text.mid(text.indexOf(marker) + marker.size());

    const QString script = dir.filePath("steps.qds");
    QFile f(script);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(("open " + dashboard() + "\ntrace on\ninstall.Value = 70\n").toUtf8());
    f.close();
    QProcess qdhost;
    qdhost.start(qEnvironmentVariable("QD_QDHOST"), {"run", script});
    QVERIFY(qdhost.waitForFinished());
    const QString theirs = QString::fromUtf8(qdhost.readAllStandardOutput()).trimmed();
    QVERIFY(!theirs.isEmpty());
    QCOMPARE(ours.trimmed(), theirs);
}

void DesignerTest::commandLine() {
    QTemporaryDir dir;
    const QString designer = qEnvironmentVariable("QD_DESIGNER");
    const QString shot = dir.filePath("window.png");
    QCOMPARE(QProcess::execute(designer, {"--screenshot", shot, dashboard()}), 0);
    const QImage window(shot);
    QVERIFY(window.width() >= 1000 && window.height() >= 600);
    QProcess help;
    help.start(designer, {"--help"});
    QVERIFY(help.waitForFinished());
    QCOMPARE(help.exitCode(), 0);
    QVERIFY(help.readAllStandardOutput().contains("--screenshot <FILE>"));
    QCOMPARE(QProcess::execute(designer, {"--screenshot", shot, dir.filePath("missing.qdf")}), 2);
    QCOMPARE(QProcess::execute(designer, {"one.qdf", "two.qdf"}), 2);
}

void DesignerTest::selectionGesturesAndFailedSave() {
    QTemporaryDir dir;
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    w.show();
    FormCanvas& canvas = w.canvas();
    const QRect upload = canvas.widget("upload")->geometry();
    const QRect download = canvas.widget("download")->geometry();
    // A band from the empty corner below the pies over both of them, but not the bar.
    const QPoint from(download.right() + 9, download.bottom() + 8);  // clear of the handles
    const QPoint to(upload.center().x(), download.center().y());
    QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas, to);
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, to);
    QCOMPARE(canvas.selection(), (std::vector<std::string>{"upload", "download"}));
    // Ctrl+click takes one out; a click on the empty form clears; the grid follows.
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::ControlModifier, upload.center());
    QCOMPARE(canvas.selection(), std::vector<std::string>{"download"});
    auto* table = w.grid().findChild<QTableWidget*>();
    QCOMPARE(table->rowCount(), canvas.widget("download")->properties().size());
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, from);
    QVERIFY(canvas.selection().empty());
    QCOMPARE(table->rowCount(), 0);

    // A save that cannot be written reports why and leaves the form unsaved.
    canvas.setSelection({"install"});
    canvas.deleteSelection();
    QString error;
    QVERIFY(!w.saveForm(dir.filePath("no/such/folder/form.qdf"), &error));
    QVERIFY2(error.contains("no/such/folder"), qPrintable(error));
    QVERIFY(!w.undoStack().isClean());
    QCOMPARE(w.formPath(), dashboard());
}

void DesignerTest::propertyPagesApplyAsOneUndoStep() {
    MainWindow w;
    QVERIFY(w.openForm(dashboard(), nullptr, true));
    w.show();
    w.canvas().setSelection({"install"});
    QAction* properties = nullptr;
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == "&Properties...")
            properties = a;
    QVERIFY(properties);
    bool typed = false;
    // The dialog is modal: type into its Data page and press OK once it is up.
    QTimer::singleShot(0, &w, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* field = dialog ? dialog->findChild<QLineEdit*>("txtValue") : nullptr;
        auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
        if (!field || !buttons) {
            if (dialog)
                dialog->close();
            return;
        }
        field->selectAll();
        QTest::keyClicks(field, "44");
        buttons->button(QDialogButtonBox::Ok)->click();
        typed = true;
    });
    properties->trigger();
    QVERIFY(typed);
    QCOMPARE(w.canvas().widget("install")->controlProperty("Value").toDouble(), 44.0);
    QCOMPARE(w.grid().findChild<QLineEdit*>("edit_Value")->text(), QString("44"));
    QCOMPARE(w.undoStack().count(), 1);
    w.undoStack().undo();
    QCOMPARE(w.canvas().widget("install")->controlProperty("Value").toDouble(), 35.0);
}

QTEST_MAIN(DesignerTest)
#include "designer_test.moc"
