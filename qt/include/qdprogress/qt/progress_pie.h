// The progress pie: a sector that grows with Value, in one colour or a gradient, with a label.
// Every property of the control's dispatch interface is a Q_PROPERTY of the same name in
// lowerCamelCase; its NOTIFY signal fires once for each real change of the value.
#pragma once

#include <QColor>

#include <qdprogress/qt/control_widget.h>
#include <qdprogress/qt/property_list.h>

// The properties: type, argument type, Qt name, the interface's name (property_list.h).
#define QD_QT_PROGRESS_PIE_PROPERTIES(X)                              \
    X(double, double, aspect, Aspect)                                 \
    X(int, int, labelSize, LabelSize)                                 \
    X(QColor, const QColor&, labelColor, LabelColor)                  \
    X(ppLabelType, ppLabelType, labelType, LabelType)                 \
    X(ppLabelPosition, ppLabelPosition, labelPosition, LabelPosition) \
    X(int, int, fillStyle, FillStyle)                                 \
    X(QColor, const QColor&, fillColorStart, FillColorStart)          \
    X(QColor, const QColor&, fillColorEnd, FillColorEnd)              \
    X(QColor, const QColor&, fillColorMid, FillColorMid)              \
    X(ppFillType, ppFillType, fillType, FillType)                     \
    X(QColor, const QColor&, borderColor, BorderColor)                \
    X(double, double, borderWidth, BorderWidth)                       \
    X(bool, bool, borderShow, BorderShow)                             \
    X(double, double, max, Max)                                       \
    X(double, double, min, Min)                                       \
    X(double, double, value, Value)

// The enumerations, with the type library's member names.
#define QD_QT_PROGRESS_PIE_ENUMS                                                                 \
    enum ppLabelType { pValueOnly = 0, pFraction = 1, pPercent = 2 };                            \
    Q_ENUM(ppLabelType)                                                                          \
    enum ppLabelPosition {                                                                       \
        pNone = 0,                                                                               \
        pUpLeft = 1,                                                                             \
        pUpRight = 2,                                                                            \
        pLowLeft = 3,                                                                            \
        pLowRight = 4,                                                                           \
        pCenter = 5                                                                              \
    };                                                                                           \
    Q_ENUM(ppLabelPosition)                                                                      \
    enum ppFillType { pSingleColor = 0, p2ColorGradient = 1, p3ColorGradient = 2, pRandom = 3 }; \
    Q_ENUM(ppFillType)

namespace qd::qt {

class QD_QT_EXPORT ProgressPie : public ControlWidget {
    Q_OBJECT
    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_PROPERTY)
  public:
    QD_QT_PROGRESS_PIE_ENUMS

    static constexpr const char* kClassId = "qdProgressControls.qdProgressPie";

    // The registered class (else the module beside the library); `classId` names another
    // (PATH:CLASS of a module, for example).
    explicit ProgressPie(QWidget* parent = nullptr);
    explicit ProgressPie(const QString& classId, QWidget* parent = nullptr);

    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_GETTER)

  public slots:
    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_SETTER)
    // A worker's progress(int) connects here as it does to QProgressBar::setValue.
    void setValue(int v) { setValue(static_cast<double>(v)); }

  signals:
    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_SIGNAL)

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt
