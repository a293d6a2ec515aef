// The widgets show exactly what the container renders: grab() of a widget against the
// EmbeddedForm render of the same control with the same properties, at the screen's scale.
#include <QtTest>

#include <qdprogress/embed.h>
#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/single_pie.h>

#include "pixel_compare.h"

using qd::qt::ControlWidget;

namespace {

const char* const kPie = qd::qt::ProgressPie::kClassId;
const char* const kBar = qd::qt::ProgressBar::kClassId;
const char* const kSingle = qd::qt::SinglePie::kClassId;

// The typed widget of a class.
std::unique_ptr<ControlWidget> typed_widget(const QString& cls) {
    if (cls == kPie)
        return std::make_unique<qd::qt::ProgressPie>();
    if (cls == kBar)
        return std::make_unique<qd::qt::ProgressBar>();
    return std::make_unique<qd::qt::SinglePie>();
}

// The Qt name of an interface property: lowerCamelCase.
QByteArray qt_name(const QString& name) {
    return (name.left(1).toLower() + name.mid(1)).toLatin1();
}

using Settings = QList<QPair<QString, QVariant>>;

qd::Variant variant_of(const QVariant& v) {
    switch (v.metaType().id()) {
        case QMetaType::Bool:
            return qd::Variant::boolean(v.toBool());
        case QMetaType::Int:
            return qd::Variant(static_cast<std::int32_t>(v.toInt()));
        case QMetaType::Double:
            return qd::Variant(v.toDouble());
        default:
            return qd::Variant(std::string_view(v.toString().toStdString()));
    }
}

// The control as the container draws it on a form at (0, 0), cropped to `pixels`.
QImage reference(const QString& cls, QSize logical, const Settings& settings, double scale,
                 bool smooth) {
    qd::embed::EmbeddedForm form(qd::embed::DeviceOptions{scale, smooth});
    auto& control =
        form.add("c", cls.toStdString(), 0, 0,
                 qd::embed::ControlExtent{logical.width() * 15.0f, logical.height() * 15.0f});
    for (const auto& [name, value] : settings)
        control.put(name.toStdString(), variant_of(value));
    return qd::qt::test::reference_image(form.render(), logical * scale);
}

}  // namespace

class RenderTest : public QObject {
    Q_OBJECT
  private slots:
    void matchesContainerRender_data();
    void matchesContainerRender();
};

void RenderTest::matchesContainerRender_data() {
    QTest::addColumn<QString>("cls");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<bool>("smooth");
    QTest::newRow("pie default") << kPie << QSize(81, 81) << Settings{} << false;
    QTest::newRow("pie gradient centre label")
        << kPie << QSize(120, 120) << Settings{{"FillType", 2}, {"LabelPosition", 5}, {"Value", 40}}
        << false;
    QTest::newRow("pie wide, aspect, thick border, fraction") << kPie << QSize(160, 90)
                                                              << Settings{{"Aspect", 1.5},
                                                                          {"BorderWidth", 3.0},
                                                                          {"LabelType", 1},
                                                                          {"Value", 73.5},
                                                                          {"LabelPosition", 4}}
                                                              << false;
    QTest::newRow("pie no border, hatched, percent up left") << kPie << QSize(90, 90)
                                                             << Settings{{"BorderShow", false},
                                                                         {"FillStyle", 4},
                                                                         {"LabelType", 2},
                                                                         {"Value", 12},
                                                                         {"LabelPosition", 1}}
                                                             << false;
    QTest::newRow("pie smooth two colours")
        << kPie << QSize(100, 100) << Settings{{"FillType", 1}, {"Value", 66}} << true;
    QTest::newRow("bar right label")
        << kBar << QSize(236, 17) << Settings{{"LabelPosition", 2}, {"Value", 70}} << false;
    QTest::newRow("bar three colours, no border")
        << kBar << QSize(200, 30) << Settings{{"FillType", 2}, {"BorderStyle", 0}, {"Value", 55}}
        << false;
    QTest::newRow("single pie") << kSingle << QSize(64, 64) << Settings{{"Value", 30}} << false;
    QTest::newRow("single pie gradient, centre percent")
        << kSingle << QSize(120, 120)
        << Settings{{"FillType", 1}, {"LabelType", 2}, {"LabelPosition", 5}, {"Value", 85}}
        << false;
}

void RenderTest::matchesContainerRender() {
    QFETCH(QString, cls);
    QFETCH(QSize, size);
    QFETCH(Settings, settings);
    QFETCH(bool, smooth);
    // Through the typed widget's Q_PROPERTYs, which must reach the interface's own properties.
    const std::unique_ptr<ControlWidget> made = typed_widget(cls);
    ControlWidget& widget = *made;
    QVERIFY2(widget.isValid(), qPrintable(widget.creationError().message));
    widget.setProperty("smooth", smooth);
    widget.resize(size);
    for (const auto& [name, value] : settings)
        QVERIFY2(widget.setProperty(qt_name(name), value), qPrintable(name));
    const QPixmap grabbed = widget.grab();
    const double scale = grabbed.devicePixelRatio();
    QCOMPARE(scale, widget.devicePixelRatioF());
    const QString diff = qd::qt::test::difference(
        grabbed.toImage(), reference(cls, size, settings, scale, smooth), QTest::currentDataTag());
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

QTEST_MAIN(RenderTest)
#include "render_test.moc"
