// The QML types of `import QdProgress` show what the container renders: grabWindow() of a
// scene against the EmbeddedForm render, at the screen's scale; bindings drive them and their
// notify signals fire once per change.
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <qdprogress/embed.h>

#include "pixel_compare.h"

class QuickTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void matchesContainerRender_data();
    void matchesContainerRender();
    void bindingsDriveAndNotify();

  private:
    std::unique_ptr<QQuickWindow> show(const QByteArray& qml);
    QQmlEngine engine_;
};

void QuickTest::initTestCase() {
    engine_.addImportPath(QStringLiteral(QD_QML_DIR));
}

std::unique_ptr<QQuickWindow> QuickTest::show(const QByteArray& qml) {
    QQmlComponent component(&engine_);
    component.setData("import QtQuick\nimport QtQuick.Window\nimport QdProgress\n" + qml, {});
    std::unique_ptr<QObject> made(component.create());
    if (!made) {
        qWarning() << component.errors();
        return nullptr;
    }
    std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(made.release()));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

void QuickTest::matchesContainerRender_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QString>("qmlProperties");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("pie") << "ProgressPie"
                         << "qdProgressControls.qdProgressPie"
                         << "value: 40; labelPosition: ProgressPie.pCenter"
                         << "LabelPosition" << QVariant(5);
    QTest::newRow("bar") << "ProgressBar"
                         << "qdProgressControls.qdProgressBar"
                         << "value: 40; fillType: ProgressBar.p2ColorGradient"
                         << "FillType" << QVariant(1);
    QTest::newRow("single pie") << "SinglePie"
                                << "qdxProgressPieControl.qdxProgressPie"
                                << "value: 40; labelType: SinglePie.ppPercent"
                                << "LabelType" << QVariant(2);
}

void QuickTest::matchesContainerRender() {
    QFETCH(QString, type);
    QFETCH(QString, cls);
    QFETCH(QString, qmlProperties);
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    const QSize size(150, 120);
    const auto window = show(QString("Window { width: %1; height: %2; color: \"#f0f0f0\"\n"
                                     "  %3 { width: %1; height: %2; %4 } }")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(type, qmlProperties)
                                 .toUtf8());
    QVERIFY(window);
    const double scale = window->effectiveDevicePixelRatio();
    qd::embed::EmbeddedForm form(qd::embed::DeviceOptions{scale, false});
    auto& control = form.add("c", cls.toStdString(), 0, 0,
                             qd::embed::ControlExtent{size.width() * 15.0f, size.height() * 15.0f});
    control.put(name.toStdString(), qd::Variant(static_cast<std::int32_t>(value.toInt())));
    control.put("Value", qd::Variant(40.0));
    const QImage grabbed = window->grabWindow();
    const QString diff = qd::qt::test::difference(
        grabbed, qd::qt::test::reference_image(form.render(), size * scale),
        QString("quick %1").arg(QTest::currentDataTag()));
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void QuickTest::bindingsDriveAndNotify() {
    const auto window = show(
        "Window { width: 200; height: 200; property real done: 10; property int changes: 0\n"
        "  ProgressPie { objectName: \"pie\"; width: 200; height: 200; value: done; max: 50\n"
        "    onValueChanged: changes = changes + 1 } }");
    QVERIFY(window);
    QObject* pie = window->findChild<QObject*>("pie");
    QVERIFY(pie);
    QCOMPARE(pie->property("value").toDouble(), 10.0);
    QCOMPARE(pie->property("max").toDouble(), 50.0);
    const int before = window->property("changes").toInt();
    window->setProperty("done", 25);
    QCOMPARE(pie->property("value").toDouble(), 25.0);
    QCOMPARE(window->property("changes").toInt(), before + 1);
    window->setProperty("done", 25.0);  // unchanged: no notification
    pie->setProperty("value", 25.0);
    QCOMPARE(window->property("changes").toInt(), before + 1);
}

int main(int argc, char** argv) {
    // The software scene graph draws the items' pictures as they are, pixel for pixel.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    QuickTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "quick_test.moc"
