// The property dialog behaves as the pages do in qdhost scripts: typing enables Apply, Apply
// puts the fields, Cancel drops them, a refused field is named in a message and the page's
// earlier fields stay applied; the colour page puts the colours chosen.
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/property_pages_dialog.h>
#include <qdprogress/qt/single_pie.h>

using qd::qt::PropertyPagesDialog;

namespace {

QLineEdit* field(PropertyPagesDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(name);
}

void type_into(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QPushButton* button(PropertyPagesDialog& d, QDialogButtonBox::StandardButton which) {
    return d.buttons()->button(which);
}

}  // namespace

class DialogTest : public QObject {
    Q_OBJECT
  private slots:
    void dataPageAppliesCancelsAndRefuses();
    void colourPagePutsChosenColours();
};

void DialogTest::dataPageAppliesCancelsAndRefuses() {
    qd::qt::ProgressBar bar;
    bar.setValue(20);
    {
        PropertyPagesDialog dialog(&bar);
        dialog.show();
        dialog.tabs()->setCurrentIndex(1);
        QCOMPARE(dialog.tabs()->count(), 2);
        QCOMPARE(dialog.tabs()->tabText(0), QString("Colors"));
        QCOMPARE(dialog.tabs()->tabText(1), QString("Data"));
        QLineEdit* value = field(dialog, "txtValue");
        QVERIFY(value && field(dialog, "txtMin") && field(dialog, "txtMax"));
        QCOMPARE(value->text(), QString("20"));
        // Laid out as the page's layout says, in twips: txtValue at (90, 1670), 2700 x 330.
        QCOMPARE(value->geometry(), QRect(6, 111, 180, 22));
        QVERIFY(!button(dialog, QDialogButtonBox::Apply)->isEnabled());

        QSignalSpy changes(&bar, &qd::qt::ProgressBar::valueChanged);
        type_into(value, "55");
        QVERIFY(button(dialog, QDialogButtonBox::Apply)->isEnabled());
        button(dialog, QDialogButtonBox::Apply)->click();
        QCOMPARE(bar.value(), 55.0);
        QCOMPARE(changes.size(), 1);
        QVERIFY(!button(dialog, QDialogButtonBox::Apply)->isEnabled());

        // Value is applied first, so a refused Max leaves the new Value in place.
        type_into(value, "60");
        type_into(field(dialog, "txtMax"), "lots");
        QVERIFY(!dialog.apply());
        QCOMPARE(bar.value(), 60.0);
        QCOMPARE(bar.max(), 100.0);
        QCOMPARE(dialog.lastError().property, QString("Max"));
        auto* refusal = dialog.findChild<QMessageBox*>("refusal");
        QVERIFY(refusal);
        QVERIFY2(refusal->text().contains("txtMax") && refusal->text().contains("Type mismatch"),
                 qPrintable(refusal->text()));
        QVERIFY(button(dialog, QDialogButtonBox::Apply)->isEnabled());  // still to apply
        refusal->close();
    }
    {
        PropertyPagesDialog dialog(&bar);
        type_into(field(dialog, "txtValue"), "90");
        dialog.reject();
    }
    QCOMPARE(bar.value(), 60.0);
    {
        PropertyPagesDialog dialog(&bar);
        type_into(field(dialog, "txtMin"), "10");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(bar.min(), 10.0);

    // A class that lists no pages gets an empty dialog.
    qd::qt::SinglePie single;
    QCOMPARE(PropertyPagesDialog(&single).tabs()->count(), 0);
}

void DialogTest::colourPagePutsChosenColours() {
    qd::qt::ProgressPie pie;
    PropertyPagesDialog dialog(&pie);
    dialog.show();
    auto* swatch = dialog.findChild<QPushButton*>("LabelColor");
    QVERIFY(swatch && dialog.findChild<QPushButton*>("BorderColor"));
    QVERIFY(!dialog.findChild<QPushButton*>("Value"));
    swatch->click();
    auto* chooser = dialog.findChild<QColorDialog*>("LabelColorDialog");
    QVERIFY(chooser);
    chooser->setCurrentColor(QColor(200, 10, 30));
    chooser->accept();
    QVERIFY(button(dialog, QDialogButtonBox::Apply)->isEnabled());
    QVERIFY(pie.labelColor() != QColor(200, 10, 30));
    QSignalSpy changes(&pie, &qd::qt::ProgressPie::labelColorChanged);
    dialog.accept();
    QCOMPARE(pie.labelColor(), QColor(200, 10, 30));
    QCOMPARE(changes.size(), 1);
}

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
