// Repainting on screen: a Value step repaints only what the control drew, and what the screen
// shows after many such steps is still exactly the container's picture.
#include <QBackingStore>
#include <QtTest>

#include <qdprogress/embed.h>
#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/single_pie.h>

#include "pixel_compare.h"

using qd::qt::ControlWidget;

namespace {

// Collects the regions of the paint events a widget receives.
class PaintRecorder : public QObject {
  public:
    QRegion painted;
    int events = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
            ++events;
        }
        return false;
    }
};

std::unique_ptr<ControlWidget> make(const QString& cls) {
    if (cls == qd::qt::ProgressPie::kClassId)
        return std::make_unique<qd::qt::ProgressPie>();
    if (cls == qd::qt::ProgressBar::kClassId)
        return std::make_unique<qd::qt::ProgressBar>();
    return std::make_unique<qd::qt::SinglePie>();
}

qd::embed::ControlExtent twips(QSize size) {
    return {size.width() * 15.0f, size.height() * 15.0f};
}

// What the window holds now: its backing store, which keeps every earlier paint, in device
// pixels.
QImage on_screen(const QWidget& w) {
    const auto* image = dynamic_cast<const QImage*>(w.backingStore()->paintDevice());
    if (!image)
        return {};
    const double scale = w.devicePixelRatioF();
    return image->copy(QRect(QPoint(0, 0), w.size() * scale));
}

}  // namespace

class DamageTest : public QObject {
    Q_OBJECT
  private slots:
    void valueSweepRepaintsOnlyDamage_data();
    void valueSweepRepaintsOnlyDamage();
};

void DamageTest::valueSweepRepaintsOnlyDamage_data() {
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("fillType");
    QTest::newRow("pie") << QString(qd::qt::ProgressPie::kClassId) << QSize(200, 200) << 0;
    QTest::newRow("pie gradient") << QString(qd::qt::ProgressPie::kClassId) << QSize(150, 150) << 1;
    QTest::newRow("bar") << QString(qd::qt::ProgressBar::kClassId) << QSize(354, 26) << 0;
    QTest::newRow("bar gradient") << QString(qd::qt::ProgressBar::kClassId) << QSize(300, 30) << 2;
    QTest::newRow("single pie") << QString(qd::qt::SinglePie::kClassId) << QSize(120, 120) << 0;
}

void DamageTest::valueSweepRepaintsOnlyDamage() {
    QFETCH(QString, cls);
    QFETCH(QSize, size);
    QFETCH(int, fillType);
    const auto widget = make(cls);
    widget->setFixedSize(size);
    widget->setControlProperty("FillType", fillType);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    const double scale = widget->devicePixelRatioF();

    // The same calls on the container, in the same order.
    qd::embed::EmbeddedForm form(qd::embed::DeviceOptions{scale, false});
    auto& reference = form.add("c", cls.toStdString(), 0, 0, twips(size));
    reference.put("FillType", fillType);
    const QSize device = size * scale;

    QCoreApplication::processEvents();  // the first full paint
    reference.take_damage();
    PaintRecorder recorder;
    widget->installEventFilter(&recorder);
    const QRect whole(QPoint(0, 0), size);
    for (int value = 1; value <= 100; ++value) {
        widget->setProperty("value", value);
        reference.put("Value", value);
        const qd::embed::PixelRect damage = reference.take_damage();
        QCoreApplication::processEvents();
        // Exactly what the control drew (the new band and the label), never more; after the
        // first step, never the whole control.
        const QRect painted = recorder.painted.boundingRect();
        const QRect drawn(QPoint(int(damage.x / scale), int(damage.y / scale)),
                          QPoint(int(std::ceil(damage.right() / scale)) - 1,
                                 int(std::ceil(damage.bottom() / scale)) - 1));
        const QString where = QString("value %1 repainted %2,%3 %4x%5")
                                  .arg(value)
                                  .arg(painted.x())
                                  .arg(painted.y())
                                  .arg(painted.width())
                                  .arg(painted.height());
        QVERIFY2(recorder.events == 1 && painted == drawn, qPrintable(where));
        QVERIFY2(value == 1 || painted != whole, qPrintable(where));
        recorder.painted = {};
        recorder.events = 0;
        if (value % 25 == 0) {
            const QString diff = qd::qt::test::difference(
                on_screen(*widget), qd::qt::test::reference_image(form.render(), device),
                QString("%1 %2").arg(QTest::currentDataTag()).arg(value));
            QVERIFY2(diff.isEmpty(), qPrintable(QString("value %1: %2").arg(value).arg(diff)));
        }
    }
    // The end of the sweep is the picture a fresh control at Max shows; a gradient pie's
    // incremental sectors leave specks between them that a full pass does not.
    if (fillType != 0)
        return;
    qd::embed::EmbeddedForm fresh(qd::embed::DeviceOptions{scale, false});
    auto& at_max = fresh.add("c", cls.toStdString(), 0, 0, twips(size));
    at_max.put("FillType", fillType);
    at_max.put("Value", 100);
    const QString diff = qd::qt::test::difference(
        on_screen(*widget), qd::qt::test::reference_image(fresh.render(), device),
        QString("%1 fresh").arg(QTest::currentDataTag()));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

QTEST_MAIN(DamageTest)
#include "damage_test.moc"
