#include <qdprogress/qt/progress_pie.h>

#include "qt/src/class_facts.h"

namespace qd::qt {

ProgressPie::ProgressPie(QWidget* parent)
    : ControlWidget(QString::fromStdString(detail::resolve_class(kClassId, "qdProgressControls")),
                    parent) {}

ProgressPie::ProgressPie(const QString& classId, QWidget* parent)
    : ControlWidget(classId, parent) {}

double ProgressPie::aspect() const {
    return controlProperty(QStringLiteral("Aspect")).toDouble();
}
void ProgressPie::setAspect(double v) {
    setControlProperty(QStringLiteral("Aspect"), v);
}

int ProgressPie::labelSize() const {
    return controlProperty(QStringLiteral("LabelSize")).toInt();
}
void ProgressPie::setLabelSize(int v) {
    setControlProperty(QStringLiteral("LabelSize"), v);
}

QColor ProgressPie::labelColor() const {
    return controlProperty(QStringLiteral("LabelColor")).value<QColor>();
}
void ProgressPie::setLabelColor(const QColor& v) {
    setControlProperty(QStringLiteral("LabelColor"), QVariant(v));
}

ProgressPie::ppLabelType ProgressPie::labelType() const {
    return static_cast<ppLabelType>(controlProperty(QStringLiteral("LabelType")).toInt());
}
void ProgressPie::setLabelType(ppLabelType v) {
    setControlProperty(QStringLiteral("LabelType"), static_cast<int>(v));
}

ProgressPie::ppLabelPosition ProgressPie::labelPosition() const {
    return static_cast<ppLabelPosition>(controlProperty(QStringLiteral("LabelPosition")).toInt());
}
void ProgressPie::setLabelPosition(ppLabelPosition v) {
    setControlProperty(QStringLiteral("LabelPosition"), static_cast<int>(v));
}

int ProgressPie::fillStyle() const {
    return controlProperty(QStringLiteral("FillStyle")).toInt();
}
void ProgressPie::setFillStyle(int v) {
    setControlProperty(QStringLiteral("FillStyle"), v);
}

QColor ProgressPie::fillColorStart() const {
    return controlProperty(QStringLiteral("FillColorStart")).value<QColor>();
}
void ProgressPie::setFillColorStart(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorStart"), QVariant(v));
}

QColor ProgressPie::fillColorEnd() const {
    return controlProperty(QStringLiteral("FillColorEnd")).value<QColor>();
}
void ProgressPie::setFillColorEnd(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorEnd"), QVariant(v));
}

QColor ProgressPie::fillColorMid() const {
    return controlProperty(QStringLiteral("FillColorMid")).value<QColor>();
}
void ProgressPie::setFillColorMid(const QColor& v) {
    setControlProperty(QStringLiteral("FillColorMid"), QVariant(v));
}

ProgressPie::ppFillType ProgressPie::fillType() const {
    return static_cast<ppFillType>(controlProperty(QStringLiteral("FillType")).toInt());
}
void ProgressPie::setFillType(ppFillType v) {
    setControlProperty(QStringLiteral("FillType"), static_cast<int>(v));
}

QColor ProgressPie::borderColor() const {
    return controlProperty(QStringLiteral("BorderColor")).value<QColor>();
}
void ProgressPie::setBorderColor(const QColor& v) {
    setControlProperty(QStringLiteral("BorderColor"), QVariant(v));
}

double ProgressPie::borderWidth() const {
    return controlProperty(QStringLiteral("BorderWidth")).toDouble();
}
void ProgressPie::setBorderWidth(double v) {
    setControlProperty(QStringLiteral("BorderWidth"), v);
}

bool ProgressPie::borderShow() const {
    return controlProperty(QStringLiteral("BorderShow")).toBool();
}
void ProgressPie::setBorderShow(bool v) {
    setControlProperty(QStringLiteral("BorderShow"), v);
}

double ProgressPie::max() const {
    return controlProperty(QStringLiteral("Max")).toDouble();
}
void ProgressPie::setMax(double v) {
    setControlProperty(QStringLiteral("Max"), v);
}

double ProgressPie::min() const {
    return controlProperty(QStringLiteral("Min")).toDouble();
}
void ProgressPie::setMin(double v) {
    setControlProperty(QStringLiteral("Min"), v);
}

double ProgressPie::value() const {
    return controlProperty(QStringLiteral("Value")).toDouble();
}
void ProgressPie::setValue(double v) {
    setControlProperty(QStringLiteral("Value"), v);
}

void ProgressPie::controlValueChanged(const QString& name, const QVariant& value) {
    if (name == QLatin1String("Aspect")) {
        emit aspectChanged(value.toDouble());
    } else if (name == QLatin1String("LabelSize")) {
        emit labelSizeChanged(value.toInt());
    } else if (name == QLatin1String("LabelColor")) {
        emit labelColorChanged(value.value<QColor>());
    } else if (name == QLatin1String("LabelType")) {
        emit labelTypeChanged(static_cast<ppLabelType>(value.toInt()));
    } else if (name == QLatin1String("LabelPosition")) {
        emit labelPositionChanged(static_cast<ppLabelPosition>(value.toInt()));
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
