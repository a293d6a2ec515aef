// The typed widgets against the type library: one Q_PROPERTY per dispatch property, with the
// right type and a NOTIFY that fires once per real change; refused values; persistence;
// the minimum size.
#include <QMetaProperty>
#include <QtTest>

#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>
#include <qdprogress/qt/single_pie.h>

#include "qdprogress/result.h"

using qd::qt::ControlWidget;
using qd::qt::PropertyInfo;

namespace {

std::unique_ptr<ControlWidget> make(int which) {
    switch (which) {
        case 0:
            return std::make_unique<qd::qt::ProgressPie>();
        case 1:
            return std::make_unique<qd::qt::ProgressBar>();
        default:
            return std::make_unique<qd::qt::SinglePie>();
    }
}

QByteArray qt_name(const QString& name) {
    return (name.left(1).toLower() + name.mid(1)).toLatin1();
}

// A value other than `now` that the control takes.
QVariant other_value(const PropertyInfo& p, const QVariant& now) {
    switch (p.kind) {
        case PropertyInfo::Kind::Number:
            return p.name == "Min" ? now.toDouble() - 1 : now.toDouble() + 1;
        case PropertyInfo::Kind::Integer:
            return p.name == "FillStyle" ? (now.toInt() + 1) % 8 : now.toInt() + 1;
        case PropertyInfo::Kind::Enumeration: {
            const qsizetype at = p.enumValues.indexOf(now.toInt());
            return p.enumValues[(at + 1) % p.enumValues.size()];
        }
        case PropertyInfo::Kind::Colour:
            return QColor(0x12, 0x34, 0x56);
        case PropertyInfo::Kind::Boolean:
            return !now.toBool();
        default:
            return now;
    }
}

int meta_type_of(const PropertyInfo& p) {
    switch (p.kind) {
        case PropertyInfo::Kind::Number:
            return QMetaType::Double;
        case PropertyInfo::Kind::Colour:
            return QMetaType::QColor;
        case PropertyInfo::Kind::Boolean:
            return QMetaType::Bool;
        default:
            return QMetaType::Int;
    }
}

}  // namespace

// A task that reports its progress as QProgressBar users wire it.
class Worker : public QObject {
    Q_OBJECT
  signals:
    void progress(int percent);
};

class PropertyTest : public QObject {
    Q_OBJECT
  private slots:
    void typedWidgets_data();
    void everyPropertyMapsAndNotifiesOnce();
    void everyPropertyMapsAndNotifiesOnce_data() { typedWidgets_data(); }
    void refusedValuesChangeNothing();
    void refusedValuesChangeNothing_data() { typedWidgets_data(); }
    void savedPropertiesRestore();
    void savedPropertiesRestore_data() { typedWidgets_data(); }
    void resizeHeldAtMinimum();
    void resizeHeldAtMinimum_data() { typedWidgets_data(); }
    void setValueTakesIntAndDouble();
    void unknownClassIsReported();
};

void PropertyTest::typedWidgets_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("pie") << 0;
    QTest::newRow("bar") << 1;
    QTest::newRow("single pie") << 2;
}

void PropertyTest::everyPropertyMapsAndNotifiesOnce() {
    QFETCH(int, which);
    const auto widget = make(which);
    QVERIFY2(widget->isValid(), qPrintable(widget->creationError().message));
    const QMetaObject* meta = widget->metaObject();
    const QList<PropertyInfo> infos = widget->properties();
    QVERIFY(!infos.isEmpty());
    QCOMPARE(meta->propertyCount() - meta->propertyOffset(), infos.size());
    for (const PropertyInfo& p : infos) {
        const int index = meta->indexOfProperty(qt_name(p.name));
        QVERIFY2(index >= meta->propertyOffset(), qPrintable(p.name));
        const QMetaProperty prop = meta->property(index);
        QVERIFY(prop.isWritable() && prop.hasNotifySignal());
        if (p.kind == PropertyInfo::Kind::Enumeration) {
            QVERIFY2(prop.isEnumType(), qPrintable(p.name));
            const QMetaEnum e = prop.enumerator();
            QCOMPARE(e.keyCount(), p.enumNames.size());
            for (int k = 0; k < e.keyCount(); ++k) {
                QCOMPARE(QString::fromLatin1(e.key(k)), p.enumNames[k]);
                QCOMPARE(e.value(k), p.enumValues[k]);
            }
        } else {
            QCOMPARE(prop.metaType().id(), meta_type_of(p));
        }

        // A change notifies once with the new value; the same value again does not. Every
        // draw recomputes the pie's Aspect from its extent, so no put of it lasts.
        if (p.name == "Aspect")
            continue;
        const QVariant before = widget->property(prop.name());
        const QVariant next = other_value(p, before);
        QSignalSpy notify(widget.get(), prop.notifySignal());
        QSignalSpy errors(widget.get(), &ControlWidget::controlError);
        QVERIFY(widget->setProperty(prop.name(), next));
        QVERIFY2(errors.isEmpty(), qPrintable(p.name));
        QVERIFY2(widget->controlProperty(p.name) == next, qPrintable(p.name));
        QCOMPARE(notify.size(), 1);
        QVERIFY2(QVariant(notify[0][0]) == next || notify[0][0].toInt() == next.toInt(),
                 qPrintable(p.name));
        widget->setProperty(prop.name(), next);
        QCOMPARE(notify.size(), 1);
        widget->setProperty(prop.name(), before);
        QCOMPARE(widget->property(prop.name()).toString(), before.toString());
        QCOMPARE(notify.size(), 2);
    }
}

void PropertyTest::refusedValuesChangeNothing() {
    QFETCH(int, which);
    const auto widget = make(which);
    widget->setControlProperty("Value", 30);
    const QByteArray before = widget->saveProperties();
    QSignalSpy errors(widget.get(), &ControlWidget::controlError);
    QSignalSpy changes(widget.get(), SIGNAL(valueChanged(double)));
    struct Refusal {
        const char* property;
        QVariant value;
        qd::ErrorNumber error;
    };
    const Refusal refusals[] = {
        {"Value", "abc", qd::ErrorNumber::TypeMismatch},
        {"LabelSize", 40000, qd::ErrorNumber::Overflow},
        {"value", QVariant::fromValue(QPoint(1, 2)), qd::ErrorNumber::TypeMismatch}};
    for (const Refusal& r : refusals) {
        const qd::qt::ControlError error = widget->setControlProperty(r.property, r.value);
        QVERIFY2(error, r.property);
        QCOMPARE(error.code, static_cast<long>(qd::runtime_error_code(r.error)));
        QVERIFY(!error.message.isEmpty());
        QCOMPARE(error.property.toLower(), QString(r.property).toLower());
    }
    QCOMPARE(errors.size(), std::size(refusals));
    QCOMPARE(qvariant_cast<qd::qt::ControlError>(errors[0][0]).property, QString("Value"));
    QVERIFY(changes.isEmpty());
    QCOMPARE(widget->saveProperties(), before);
    // A member the interface lacks is refused too, naming it.
    const qd::qt::ControlError unknown = widget->setControlProperty("NoSuch", 1);
    QVERIFY(unknown);
    QCOMPARE(unknown.property, QString("NoSuch"));
    QVERIFY(!widget->controlProperty("NoSuch").isValid());
}

void PropertyTest::savedPropertiesRestore() {
    QFETCH(int, which);
    const auto source = make(which);
    source->setProperty("value", 42.5);
    source->setProperty("labelColor", QColor(10, 20, 30));
    source->setProperty("labelType", 2);
    const QByteArray stored = source->saveProperties();
    QVERIFY(stored.contains("Value"));

    const auto target = make(which);
    QSignalSpy value(target.get(), SIGNAL(valueChanged(double)));
    QSignalSpy colour(target.get(), SIGNAL(labelColorChanged(QColor)));
    QSignalSpy size(target.get(), SIGNAL(labelSizeChanged(int)));
    QVERIFY(!target->restoreProperties(stored));
    QCOMPARE(target->saveProperties(), stored);
    QCOMPARE(value.size(), 1);
    QCOMPARE(colour.size(), 1);
    QCOMPARE(size.size(), 0);  // unchanged
    // Created from stored properties, a widget reads them (ReadProperties, not InitProperties).
    ControlWidget loaded(target->classId(), stored);
    QCOMPARE(loaded.controlProperty("Value").toDouble(), 42.5);

    // A damaged set is refused whole: the control keeps what it had.
    QByteArray damaged = stored;
    damaged.replace("Value = float32 42.5", "Value = float32 forty");
    const qd::qt::ControlError error = target->restoreProperties(damaged);
    QVERIFY(error);
    QVERIFY2(error.message.contains("forty") || error.property == "Value",
             qPrintable(error.message));
    QCOMPARE(target->saveProperties(), stored);
    QVERIFY(ControlWidget(target->classId(), QByteArray("Value = float32 x\n")).creationError());
}

void PropertyTest::resizeHeldAtMinimum() {
    QFETCH(int, which);
    const auto widget = make(which);
    const QSize minimum = widget->minimumSizeHint();
    QVERIFY(minimum.isValid() && !minimum.isEmpty());
    QCOMPARE(widget->sizeHint(), (widget->designExtentTwips() / 15).toSize());
    widget->resize(1, 1);
    QCOMPARE(widget->size(), minimum);
    widget->grab();
    // The control keeps the extent the widget gives it: the minimum is its own.
    QCOMPARE(widget->extentTwips(), QSizeF(minimum * 15));
    widget->resize(minimum - QSize(1, 1));
    QCOMPARE(widget->size(), minimum);

    // An extent in twips that is no whole number of pixels stays as given (a form file's), and
    // the widget takes the nearest size without resizing the control again; the single pie
    // makes itself square.
    widget->setExtentTwips(QSizeF(1234, 987));
    const QSizeF kept = widget->extentTwips();
    QCOMPARE(kept, which == 2 ? QSizeF(987, 987) : QSizeF(1234, 987));
    QCOMPARE(widget->size(), (kept / 15).toSize());
    widget->grab();
    QCOMPARE(widget->extentTwips(), kept);
}

void PropertyTest::unknownClassIsReported() {
    ControlWidget widget("qdProgressControls.NoSuchControl");
    QVERIFY(!widget.isValid());
    QCOMPARE(widget.creationError().code, static_cast<long>(qd::REGDB_E_CLASSNOTREG));
    QVERIFY(widget.creationError().message.contains("NoSuchControl"));
    QVERIFY(widget.setControlProperty("Value", 1));
    QVERIFY(widget.properties().isEmpty() && widget.view().isNull());
}

void PropertyTest::setValueTakesIntAndDouble() {
    qd::qt::ProgressBar bar;
    Worker worker;
    connect(&worker, &Worker::progress, &bar, qOverload<int>(&qd::qt::ProgressBar::setValue));
    QSignalSpy changes(&bar, &qd::qt::ProgressBar::valueChanged);
    emit worker.progress(7);
    QCOMPARE(bar.value(), 7.0);
    bar.setValue(7.5);
    QCOMPARE(bar.value(), 7.5);
    QCOMPARE(changes.size(), 2);
}

QTEST_MAIN(PropertyTest)
#include "property_test.moc"
