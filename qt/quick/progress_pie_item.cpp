#include "qt/quick/progress_pie_item.h"

namespace qd::qt::quick {

ProgressPieItem::ProgressPieItem(QQuickItem* parent)
    : ControlItem("qdProgressControls.qdProgressPie", "qdProgressControls", parent) {}

double ProgressPieItem::aspect() const {
    return controlProperty(QStringLiteral("Aspect")).toDouble();
}
void ProgressPieItem::setAspect(double v) {
    setControlProperty(QStringLiteral("Aspect"), v);
}

int ProgressPieItem::labelSize() const {
    return controlProperty(QStringLiteral("LabelSize")).toInt();
}
void ProgressPieItem::setLabelSize(int v) {
    setControlProperty(QStringLiteral("LabelSize"), v);
}

QColor ProgressPieItem::labelColor() const {
    return controlProperty(QStringLiteral("LabelColor")).value<QColor>();
}
void ProgressPieItem::setLabelColor(const QColor& v) {
    setControlProperty(QStringLiteral("LabelColor"), QVariant(v));
}

ProgressPieItem::ppLabelType ProgressPieItem::labelType() const {
    return static_cast<ppLabelType>(controlProperty(QStringLiteral("LabelType")).toInt());
}
void ProgressPieItem::setLabelType(ppLabelType v) {
    setControlProperty(QStringLiteral("LabelType"), static_cast<int>(v));
}

ProgressPieItem::ppLabelPosition ProgressPieItem::labelPosition() const {
    return static_cast<ppLabelPosition>(controlProperty(QStringLiteral("LabelPosition")).toInt());
}
void ProgressPieItem::setLabelPosition(ppLabelPosition v) {
    setControlProperty(QStringLiteral("LabelPosition"), static_cast<int>(v));
}

int ProgressPieItem::fillStyle() const {
    return controlProperty(QStringLiteral("FillStyle")).toInt();
}
void ProgressPieItem::setFillStyle(int v) {
    setControlProperty(QStringLiteral("FillStyle"), v);
}

QColor ProgressPieItem::fillColorStart() const {
    return controlProperty(QStringLiteral("FillColorStart")).value<QColor>();
}
void ProgressPieItem::setFillColorStart(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorStart"), QVariant(v));
}

QColor ProgressPieItem::fillColorEnd() const {
    return controlProperty(QStringLiteral("FillColorEnd")).value<QColor>();
}
void ProgressPieItem::setFillColorEnd(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorEnd"), QVariant(v));
}

QColor ProgressPieItem::fillColorMid() const {
    return controlProperty(QStringLiteral("FillColorMid")).value<QColor>();
}
void ProgressPieItem::setFillColorMid(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorMid"), QVariant(v));
}

ProgressPieItem::ppFillType ProgressPieItem::fillType() const {
    return static_cast<ppFillType>(controlProperty(QStringLiteral("FillType")).toInt());
}
void ProgressPieItem::setFillType(ppFillType v) {
    setControlProperty(QStringLiteral("FillType"), static_cast<int>(v));
}

QColor ProgressPieItem::borderColor() const {
    return controlProperty(QStringLiteral("BorderColor")).value<QColor>();
}
void ProgressPieItem::setBorderColor(const QColor& v) {
    setControlProperty(QStringLiteral("BorderColor"), QVariant(v));
}

double ProgressPieItem::borderWidth() const {
    return controlProperty(QStringLiteral("BorderWidth")).toDouble();
}
void ProgressPieItem::setBorderWidth(double v) {
    setControlProperty(QStringLiteral("BorderWidth"), v);
}

bool ProgressPieItem::borderShow() const {
    return controlProperty(QStringLiteral("BorderShow")).toBool();
}
void ProgressPieItem::setBorderShow(bool v) {
    setControlProperty(QStringLiteral("BorderShow"), v);
}

double ProgressPieItem::max() const {
    return controlProperty(QStringLiteral("Max")).toDouble();
}
void ProgressPieItem::setMax(double v) {
    setControlProperty(QStringLiteral("Max"), v);
}

double ProgressPieItem::min() const {
    return controlProperty(QStringLiteral("Min")).toDouble();
}
void ProgressPieItem::setMin(double v) {
    setControlProperty(QStringLiteral("Min"), v);
}

double ProgressPieItem::value() const {
    return controlProperty(QStringLiteral("Value")).toDouble();
}
void ProgressPieItem::setValue(double v) {
    setControlProperty(QStringLiteral("Value"), v);
}

void ProgressPieItem::controlValueChanged(const QString& name, const QVariant&) {
    if (name == QLatin1String("Aspect")) {
        emit aspectChanged();
    } else if (name == QLatin1String("LabelSize")) {
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
