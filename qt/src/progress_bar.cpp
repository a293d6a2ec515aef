#include <qdprogress/qt/progress_bar.h>

#include "qt/src/class_facts.h"

namespace qd::qt {

ProgressBar::ProgressBar(QWidget* parent)
    : ControlWidget(QString::fromStdString(detail::resolve_class(kClassId, "qdProgressControls")),
                    parent) {}

ProgressBar::ProgressBar(const QString& classId, QWidget* parent)
    : ControlWidget(classId, parent) {}

int ProgressBar::labelSize() const {
    return controlProperty(QStringLiteral("LabelSize")).toInt();
}
void ProgressBar::setLabelSize(int v) {
    setControlProperty(QStringLiteral("LabelSize"), v);
}

QColor ProgressBar::labelColor() const {
    return controlProperty(QStringLiteral("LabelColor")).value<QColor>();
}
void ProgressBar::setLabelColor(const QColor& v) {
    setControlProperty(QStringLiteral("LabelColor"), QVariant(v));
}

ProgressBar::ppLabelType ProgressBar::labelType() const {
    return static_cast<ppLabelType>(controlProperty(QStringLiteral("LabelType")).toInt());
}
void ProgressBar::setLabelType(ppLabelType v) {
    setControlProperty(QStringLiteral("LabelType"), static_cast<int>(v));
}

ProgressBar::ppBarLabelPosition ProgressBar::labelPosition() const {
    return static_cast<ppBarLabelPosition>(
        controlProperty(QStringLiteral("LabelPosition")).toInt());
}
void ProgressBar::setLabelPosition(ppBarLabelPosition v) {
    setControlProperty(QStringLiteral("LabelPosition"), static_cast<int>(v));
}

int ProgressBar::fillStyle() const {
    return controlProperty(QStringLiteral("FillStyle")).toInt();
}
void ProgressBar::setFillStyle(int v) {
    setControlProperty(QStringLiteral("FillStyle"), v);
}

QColor ProgressBar::fillColorStart() const {
    return controlProperty(QStringLiteral("FillColorStart")).value<QColor>();
}
void ProgressBar::setFillColorStart(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorStart"), QVariant(v));
}

QColor ProgressBar::fillColorEnd() const {
    return controlProperty(QStringLiteral("FillColorEnd")).value<QColor>();
}
void ProgressBar::setFillColorEnd(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorEnd"), QVariant(v));
}

QColor ProgressBar::fillColorMid() const {
    return controlProperty(QStringLiteral("FillColorMid")).value<QColor>();
}
void ProgressBar::setFillColorMid(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorMid"), QVariant(v));
}

ProgressBar::ppFillType ProgressBar::fillType() const {
    return static_cast<ppFillType>(controlProperty(QStringLiteral("FillType")).toInt());
}
void ProgressBar::setFillType(ppFillType v) {
    setControlProperty(QStringLiteral("FillType"), static_cast<int>(v));
}

ProgressBar::ppBorderStyle ProgressBar::borderStyle() const {
    return static_cast<ppBorderStyle>(controlProperty(QStringLiteral("BorderStyle")).toInt());
}
void ProgressBar::setBorderStyle(ppBorderStyle v) {
    setControlProperty(QStringLiteral("BorderStyle"), static_cast<int>(v));
}

double ProgressBar::max() const {
    return controlProperty(QStringLiteral("Max")).toDouble();
}
void ProgressBar::setMax(double v) {
    setControlProperty(QStringLiteral("Max"), v);
}

double ProgressBar::min() const {
    return controlProperty(QStringLiteral("Min")).toDouble();
}
void ProgressBar::setMin(double v) {
    setControlProperty(QStringLiteral("Min"), v);
}

double ProgressBar::value() const {
    return controlProperty(QStringLiteral("Value")).toDouble();
}
void ProgressBar::setValue(double v) {
    setControlProperty(QStringLiteral("Value"), v);
}

void ProgressBar::controlValueChanged(const QString& name, const QVariant& value) {
    if (name == QLatin1String("LabelSize")) {
        emit labelSizeChanged(value.toInt());
    } else if (name == QLatin1String("LabelColor")) {
        emit labelColorChanged(value.value<QColor>());
    } else if (name == QLatin1String("LabelType")) {
        emit labelTypeChanged(static_cast<ppLabelType>(value.toInt()));
    } else if (name == QLatin1String("LabelPosition")) {
        emit labelPositionChanged(static_cast<ppBarLabelPosition>(value.toInt()));
    } else if (name == QLatin1String("FillStyle")) {
        emit fillStyleChanged(value.toInt());
    } else if (name == QLatin1String("FillColorStart")) {
        emit fillColorStartChanged(value.value<QColor>());
    } else if (name == QLatin1String("FillColorEnd")) {
        emit fillColorEndChanged(value.value<QColor>());
    } else if (name == QLatin1String("FillColorMid")) {
        emit fillColorMidChanged(value.value<QColor>());
    } else if (name == QLatin1String("FillType")) {
        emit fillTypeChanged(static_cast<ppFillType>(value.toInt()));
    } else if (name == QLatin1String("BorderStyle")) {
        emit borderStyleChanged(static_cast<ppBorderStyle>(value.toInt()));
    } else if (name == QLatin1String("Max")) {
        emit maxChanged(value.toDouble());
    } else if (name == QLatin1String("Min")) {
        emit minChanged(value.toDouble());
    } else if (name == QLatin1String("Value")) {
        emit valueChanged(value.toDouble());
    }
}

}  // namespace qd::qt
