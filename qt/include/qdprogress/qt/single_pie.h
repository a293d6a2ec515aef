// The single pie: a square pie of its own library, in one colour or a two-colour gradient.
// Every property of the control's dispatch interface is a Q_PROPERTY of the same name in
// lowerCamelCase; its NOTIFY signal fires once for each real change of the value.
#pragma once

#include <QColor>

#include <qdprogress/qt/control_widget.h>
#include <qdprogress/qt/property_list.h>

// The properties: type, argument type, Qt name, the interface's name (property_list.h).
#define QD_QT_SINGLE_PIE_PROPERTIES(X)                                \
    X(int, int, labelSize, LabelSize)                                 \
    X(QColor, const QColor&, labelColor, LabelColor)                  \
    X(ppLabelType, ppLabelType, labelType, LabelType)                 \
    X(ppLabelPosition, ppLabelPosition, labelPosition, LabelPosition) \
    X(int, int, fillStyle, FillStyle)                                 \
    X(QColor, const QColor&, startColor, StartColor)                  \
    X(QColor, const QColor&, endColor, EndColor)                      \
    X(ppFillType, ppFillType, fillType, FillType)                     \
    X(QColor, const QColor&, borderColor, BorderColor)                \
    X(double, double, borderWidth, BorderWidth)                       \
    X(bool, bool, borderShow, BorderShow)                             \
    X(double, double, max, Max)                                       \
    X(double, double, min, Min)                                       \
    X(double, double, value, Value)

// The enumerations, with the type library's member names.
#define QD_QT_SINGLE_PIE_ENUMS                                       \
    enum ppLabelType { ppValue = 0, ppFraction = 1, ppPercent = 2 }; \
    Q_ENUM(ppLabelType)                                              \
    enum ppLabelPosition {                                           \
        ppNone = 0,                                                  \
        ppUpLeft = 1,                                                \
        ppUpRight = 2,                                               \
        ppLowLeft = 3,                                               \
        ppLowRight = 4,                                              \
        ppCenter = 5                                                 \
    };                                                               \
    Q_ENUM(ppLabelPosition)                                          \
    enum ppFillType { ppSingleColor = 0, ppGradient = 1 };           \
    Q_ENUM(ppFillType)

namespace qd::qt {

class QD_QT_EXPORT SinglePie : public ControlWidget {
    Q_OBJECT
    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_PROPERTY)
  public:
    QD_QT_SINGLE_PIE_ENUMS

    static constexpr const char* kClassId = "qdxProgressPieControl.qdxProgressPie";

    // The registered class (else the module beside the library); `classId` names another
    // (PATH:CLASS of a module, for example).
    explicit SinglePie(QWidget* parent = nullptr);
    explicit SinglePie(const QString& classId, QWidget* parent = nullptr);

    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_GETTER)

  public slots:
    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_SETTER)
    // A worker's progress(int) connects here as it does to QProgressBar::setValue.
    void setValue(int v) { setValue(static_cast<double>(v)); }

  signals:
    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_SIGNAL)

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt
