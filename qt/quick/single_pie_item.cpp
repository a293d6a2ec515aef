#include "qt/quick/single_pie_item.h"

namespace qd::qt::quick {

SinglePieItem::SinglePieItem(QQuickItem* parent)
    : ControlItem("qdxProgressPieControl.qdxProgressPie", "qdxProgressPie", parent) {}

int SinglePieItem::labelSize() const {
    return controlProperty(QStringLiteral("LabelSize")).toInt();
}
void SinglePieItem::setLabelSize(int v) {
    setControlProperty(QStringLiteral("LabelSize"), v);
}

QColor SinglePieItem::labelColor() const {
    return controlProperty(QStringLiteral("LabelColor")).value<QColor>();
}
void SinglePieItem::setLabelColor(const QColor& v) {
    setControlProperty(QStringLiteral("LabelColor"), QVariant(v));
}

SinglePieItem::ppLabelType SinglePieItem::labelType() const {
    return static_cast<ppLabelType>(controlProperty(QStringLiteral("LabelType")).toInt());
}
void SinglePieItem::setLabelType(ppLabelType v) {
    setControlProperty(QStringLiteral("LabelType"), static_cast<int>(v));
}

SinglePieItem::ppLabelPosition SinglePieItem::labelPosition() const {
    return static_cast<ppLabelPosition>(controlProperty(QStringLiteral("LabelPosition")).toInt());
}
void SinglePieItem::setLabelPosition(ppLabelPosition v) {
    setControlProperty(QStringLiteral("LabelPosition"), static_cast<int>(v));
}

int SinglePieItem::fillStyle() const {
    return controlProperty(QStringLiteral("FillStyle")).toInt();
}
void SinglePieItem::setFillStyle(int v) {
    setControlProperty(QStringLiteral("FillStyle"), v);
}

QColor SinglePieItem::startColor() const {
    return controlProperty(QStringLiteral("StartColor")).value<QColor>();
}
void SinglePieItem::setStartColor(const QColor& v) {
    setControlProperty(QStringLiteral("StartColor"), QVariant(v));
}

QColor SinglePieItem::endColor() const {
    return controlProperty(QStringLiteral("EndColor")).value<QColor>();
}
void SinglePieItem::setEndColor(const QColor& v) {
    setControlProperty(QStringLiteral("EndColor"), QVariant(v));
}

SinglePieItem::ppFillType SinglePieItem::fillType() const {
    return static_cast<ppFillType>(controlProperty(QStringLiteral("FillType")).toInt());
}
void SinglePieItem::setFillType(ppFillType v) {
    setControlProperty(QStringLiteral("FillType"), static_cast<int>(v));
}

QColor SinglePieItem::borderColor() const {
    return controlProperty(QStringLiteral("BorderColor")).value<QColor>();
}
void SinglePieItem::setBorderColor(const QColor& v) {
    setControlProperty(QStringLiteral("BorderColor"), QVariant(v));
}

double SinglePieItem::borderWidth() const {
    return controlProperty(QStringLiteral("BorderWidth")).toDouble();
}
void SinglePieItem::setBorderWidth(double v) {
    setControlProperty(QStringLiteral("BorderWidth"), v);
}

bool SinglePieItem::borderShow() const {
    return controlProperty(QStringLiteral("BorderShow")).toBool();
}
void SinglePieItem::setBorderShow(bool v) {
    setControlProperty(QStringLiteral("BorderShow"), v);
}

double SinglePieItem::max() const {
    return controlProperty(QStringLiteral("Max")).toDouble();
}
void SinglePieItem::setMax(double v) {
    setControlProperty(QStringLiteral("Max"), v);
}

double SinglePieItem::min() const {
    return controlProperty(QStringLiteral("Min")).toDouble();
}
void SinglePieItem::setMin(double v) {
    setControlProperty(QStringLiteral("Min"), v);
}

double SinglePieItem::value() const {
    return controlProperty(QStringLiteral("Value")).toDouble();
}
void SinglePieItem::setValue(double v) {
    setControlProperty(QStringLiteral("Value"), v);
}

void SinglePieItem::controlValueChanged(const QString& name, const QVariant&) {
    if (name == QLatin1String("LabelSize")) {
        emit labelSizeChanged();
    } else if (name == QLatin1String("LabelColor")) {
        emit labelColorChanged();
    } else if (name == QLatin1String("LabelType")) {
        emit labelTypeChanged();
    } else if (name == QLatin1String("LabelPosition")) {
        emit labelPositionChanged();
    } else if (name == QLatin1String("FillStyle")) {
        emit fillStyleChanged();
    } else if (name == QLatin1String("StartColor")) {
        emit startColorChanged();
    } else if (name == QLatin1String("EndColor")) {
        emit endColorChanged();
    } else if (name == QLatin1String("FillType")) {
        emit fillTypeChanged();
    } else if (name == QLatin1String("BorderColor")) {
        emit borderColorChanged();
    } else if (name == QLatin1String("BorderWidth")) {
        emit borderWidthChanged();
    } else if (name == QLatin1String("BorderShow")) {
        emit borderShowChanged();
    } else if (name == QLatin1String("Max")) {
        emit maxChanged();
    } else if (name == QLatin1String("Min")) {
        emit minChanged();
    } else if (name == QLatin1String("Value")) {
        emit valueChanged();
    }
}

}  // namespace qd::qt::quick
