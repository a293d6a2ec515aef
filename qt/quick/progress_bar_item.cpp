#include "qt/quick/progress_bar_item.h"

namespace qd::qt::quick {

ProgressBarItem::ProgressBarItem(QQuickItem* parent)
    : ControlItem("qdProgressControls.qdProgressBar", "qdProgressControls", parent) {}

int ProgressBarItem::labelSize() const {
    return controlProperty(QStringLiteral("LabelSize")).toInt();
}
void ProgressBarItem::setLabelSize(int v) {
    setControlProperty(QStringLiteral("LabelSize"), v);
}

QColor ProgressBarItem::labelColor() const {
    return controlProperty(QStringLiteral("LabelColor")).value<QColor>();
}
void ProgressBarItem::setLabelColor(const QColor& v) {
    setControlProperty(QStringLiteral("LabelColor"), QVariant(v));
}

ProgressBarItem::ppLabelType ProgressBarItem::labelType() const {
    return static_cast<ppLabelType>(controlProperty(QStringLiteral("LabelType")).toInt());
}
void ProgressBarItem::setLabelType(ppLabelType v) {
    setControlProperty(QStringLiteral("LabelType"), static_cast<int>(v));
}

ProgressBarItem::ppBarLabelPosition ProgressBarItem::labelPosition() const {
    return static_cast<ppBarLabelPosition>(
        controlProperty(QStringLiteral("LabelPosition")).toInt());
}
void ProgressBarItem::setLabelPosition(ppBarLabelPosition v) {
    setControlProperty(QStringLiteral("LabelPosition"), static_cast<int>(v));
}

int ProgressBarItem::fillStyle() const {
    return controlProperty(QStringLiteral("FillStyle")).toInt();
}
void ProgressBarItem::setFillStyle(int v) {
    setControlProperty(QStringLiteral("FillStyle"), v);
}

QColor ProgressBarItem::fillColorStart() const {
    return controlProperty(QStringLiteral("FillColorStart")).value<QColor>();
}
void ProgressBarItem::setFillColorStart(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorStart"), QVariant(v));
}

QColor ProgressBarItem::fillColorEnd() const {
    return controlProperty(QStringLiteral("FillColorEnd")).value<QColor>();
}
void ProgressBarItem::setFillColorEnd(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorEnd"), QVariant(v));
}

QColor ProgressBarItem::fillColorMid() const {
    return controlProperty(QStringLiteral("FillColorMid")).value<QColor>();
}
void ProgressBarItem::setFillColorMid(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorMid"), QVariant(v));
}

ProgressBarItem::ppFillType ProgressBarItem::fillType() const {
    return static_cast<ppFillType>(controlProperty(QStringLiteral("FillType")).toInt());
}
void ProgressBarItem::setFillType(ppFillType v) {
    setControlProperty(QStringLiteral("FillType"), static_cast<int>(v));
}

ProgressBarItem::ppBorderStyle ProgressBarItem::borderStyle() const {
    return static_cast<ppBorderStyle>(controlProperty(QStringLiteral("BorderStyle")).toInt());
}
void ProgressBarItem::setBorderStyle(ppBorderStyle v) {
    setControlProperty(QStringLiteral("BorderStyle"), static_cast<int>(v));
}

double ProgressBarItem::max() const {
    return controlProperty(QStringLiteral("Max")).toDouble();
}
void ProgressBarItem::setMax(double v) {
    setControlProperty(QStringLiteral("Max"), v);
}

double ProgressBarItem::min() const {
    return controlProperty(QStringLiteral("Min")).toDouble();
}
void ProgressBarItem::setMin(double v) {
    setControlProperty(QStringLiteral("Min"), v);
}

double ProgressBarItem::value() const {
    return controlProperty(QStringLiteral("Value")).toDouble();
}
void ProgressBarItem::setValue(double v) {
    setControlProperty(QStringLiteral("Value"), v);
}

void ProgressBarItem::controlValueChanged(const QString& name, const QVariant&) {
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
    } else if (name == QLatin1String("FillColorStart")) {
        emit fillColorStartChanged();
    } else if (name == QLatin1String("FillColorEnd")) {
        emit fillColorEndChanged();
    } else if (name == QLatin1String("FillColorMid")) {
        emit fillColorMidChanged();
    } else if (name == QLatin1String("FillType")) {
        emit fillTypeChanged();
    } else if (name == QLatin1String("BorderStyle")) {
        emit borderStyleChanged();
    } else if (name == QLatin1String("Max")) {
        emit maxChanged();
    } else if (name == QLatin1String("Min")) {
        emit minChanged();
    } else if (name == QLatin1String("Value")) {
        emit valueChanged();
    }
}

}  // namespace qd::qt::quick
