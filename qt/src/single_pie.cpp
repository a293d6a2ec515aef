#include <qdprogress/qt/single_pie.h>

#include "qt/src/class_facts.h"

namespace qd::qt {

SinglePie::SinglePie(QWidget* parent)
    : ControlWidget(QString::fromStdString(detail::resolve_class(kClassId, "qdxProgressPie")),
                    parent) {}

SinglePie::SinglePie(const QString& classId, QWidget* parent) : ControlWidget(classId, parent) {}

int SinglePie::labelSize() const {
    return controlProperty(QStringLiteral("LabelSize")).toInt();
}
void SinglePie::setLabelSize(int v) {
    setControlProperty(QStringLiteral("LabelSize"), v);
}

QColor SinglePie::labelColor() const {
    return controlProperty(QStringLiteral("LabelColor")).value<QColor>();
}
void SinglePie::setLabelColor(const QColor& v) {
    setControlProperty(QStringLiteral("LabelColor"), QVariant(v));
}

SinglePie::ppLabelType SinglePie::labelType() const {
    return static_cast<ppLabelType>(controlProperty(QStringLiteral("LabelType")).toInt());
}
void SinglePie::setLabelType(ppLabelType v) {
    setControlProperty(QStringLiteral("LabelType"), static_cast<int>(v));
}

SinglePie::ppLabelPosition SinglePie::labelPosition() const {
    return static_cast<ppLabelPosition>(controlProperty(QStringLiteral("LabelPosition")).toInt());
}
void SinglePie::setLabelPosition(ppLabelPosition v) {
    setControlProperty(QStringLiteral("LabelPosition"), static_cast<int>(v));
}

int SinglePie::fillStyle() const {
    return controlProperty(QStringLiteral("FillStyle")).toInt();
}
void SinglePie::setFillStyle(int v) {
    setControlProperty(QStringLiteral("FillStyle"), v);
}

QColor SinglePie::startColor() const {
    return controlProperty(QStringLiteral("StartColor")).value<QColor>();
}
void SinglePie::setStartColor(const QColor& v) {
    setControlProperty(QStringLiteral("StartColor"), QVariant(v));
}

QColor SinglePie::endColor() const {
    return controlProperty(QStringLiteral("EndColor")).value<QColor>();
}
void SinglePie::setEndColor(const QColor& v) {
    setControlProperty(QStringLiteral("EndColor"), QVariant(v));
}

SinglePie::ppFillType SinglePie::fillType() const {
    return static_cast<ppFillType>(controlProperty(QStringLiteral("FillType")).toInt());
}
void SinglePie::setFillType(ppFillType v) {
    setControlProperty(QStringLiteral("FillType"), static_cast<int>(v));
}

QColor SinglePie::borderColor() const {
    return controlProperty(QStringLiteral("BorderColor")).value<QColor>();
}
void SinglePie::setBorderColor(const QColor& v) {
    setControlProperty(QStringLiteral("BorderColor"), QVariant(v));
}

double SinglePie::borderWidth() const {
    return controlProperty(QStringLiteral("BorderWidth")).toDouble();
}
void SinglePie::setBorderWidth(double v) {
    setControlProperty(QStringLiteral("BorderWidth"), v);
}

bool SinglePie::borderShow() const {
    return controlProperty(QStringLiteral("BorderShow")).toBool();
}
void SinglePie::setBorderShow(bool v) {
    setControlProperty(QStringLiteral("BorderShow"), v);
}

double SinglePie::max() const {
    return controlProperty(QStringLiteral("Max")).toDouble();
}
void SinglePie::setMax(double v) {
    setControlProperty(QStringLiteral("Max"), v);
}

double SinglePie::min() const {
    return controlProperty(QStringLiteral("Min")).toDouble();
}
void SinglePie::setMin(double v) {
    setControlProperty(QStringLiteral("Min"), v);
}

double SinglePie::value() const {
    return controlProperty(QStringLiteral("Value")).toDouble();
}
void SinglePie::setValue(double v) {
    setControlProperty(QStringLiteral("Value"), v);
}

void SinglePie::controlValueChanged(const QString& name, const QVariant& value) {
    if (name == QLatin1String("LabelSize")) {
        emit labelSizeChanged(value.toInt());
    } else if (name == QLatin1String("LabelColor")) {
        emit labelColorChanged(value.value<QColor>());
    } else if (name == QLatin1String("LabelType")) {
        emit labelTypeChanged(static_cast<ppLabelType>(value.toInt()));
    } else if (name == QLatin1String("LabelPosition")) {
        emit labelPositionChanged(static_cast<ppLabelPosition>(value.toInt()));
    } else if (name == QLatin1String("FillStyle")) {
        emit fillStyleChanged(value.toInt());
    } else if (name == QLatin1String("StartColor")) {
        emit startColorChanged(value.value<QColor>());
    } else if (name == QLatin1String("EndColor")) {
        emit endColorChanged(value.value<QColor>());
    } else if (name == QLatin1String("FillType")) {
        emit fillTypeChanged(static_cast<ppFillType>(value.toInt()));
    } else if (name == QLatin1String("BorderColor")) {
        emit borderColorChanged(value.value<QColor>());
    } else if (name == QLatin1String("BorderWidth")) {
        emit borderWidthChanged(value.toDouble());
    } else if (name == QLatin1String("BorderShow")) {
        emit borderShowChanged(value.toBool());
    } else if (name == QLatin1String("Max")) {
        emit maxChanged(value.toDouble());
    } else if (name == QLatin1String("Min")) {
        emit minChanged(value.toDouble());
    } else if (name == QLatin1String("Value")) {
        emit valueChanged(value.toDouble());
    }
}

}  // namespace qd::qt
