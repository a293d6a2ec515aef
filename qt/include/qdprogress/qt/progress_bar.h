// The progress bar: a band that grows from the left with Value, with a label.
// Every property of the control's dispatch interface is a Q_PROPERTY of the same name in
// lowerCamelCase; its NOTIFY signal fires once for each real change of the value.
#pragma once

#include <QColor>

#include <qdprogress/qt/control_widget.h>
#include <qdprogress/qt/property_list.h>

// The properties: type, argument type, Qt name, the interface's name (property_list.h).
#define QD_QT_PROGRESS_BAR_PROPERTIES(X)                                    \
    X(int, int, labelSize, LabelSize)                                       \
    X(QColor, const QColor&, labelColor, LabelColor)                        \
    X(ppLabelType, ppLabelType, labelType, LabelType)                       \
    X(ppBarLabelPosition, ppBarLabelPosition, labelPosition, LabelPosition) \
    X(int, int, fillStyle, FillStyle)                                       \
    X(QColor, const QColor&, fillColorStart, FillColorStart)                \
    X(QColor, const QColor&, fillColorEnd, FillColorEnd)                    \
    X(QColor, const QColor&, fillColorMid, FillColorMid)                    \
    X(ppFillType, ppFillType, fillType, FillType)                           \
    X(ppBorderStyle, ppBorderStyle, borderStyle, BorderStyle)               \
    X(double, double, max, Max)                                             \
    X(double, double, min, Min)                                             \
    X(double, double, value, Value)

// The enumerations, with the type library's member names.
#define QD_QT_PROGRESS_BAR_ENUMS                                                                 \
    enum ppLabelType { pValueOnly = 0, pFraction = 1, pPercent = 2 };                            \
    Q_ENUM(ppLabelType)                                                                          \
    enum ppBarLabelPosition { pNone = 0, pLeft = 1, pRight = 2, pCenter = 3 };                   \
    Q_ENUM(ppBarLabelPosition)                                                                   \
    enum ppFillType { pSingleColor = 0, p2ColorGradient = 1, p3ColorGradient = 2, pRandom = 3 }; \
    Q_ENUM(ppFillType)                                                                           \
    enum ppBorderStyle { pFlat = 0, p3D = 1 };                                                   \
    Q_ENUM(ppBorderStyle)

namespace qd::qt {

class QD_QT_EXPORT ProgressBar : public ControlWidget {
    Q_OBJECT
    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_PROPERTY)
  public:
    QD_QT_PROGRESS_BAR_ENUMS

    static constexpr const char* kClassId = "qdProgressControls.qdProgressBar";

    // The registered class (else the module beside the library); `classId` names another
    // (PATH:CLASS of a module, for example).
    explicit ProgressBar(QWidget* parent = nullptr);
    explicit ProgressBar(const QString& classId, QWidget* parent = nullptr);

    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_GETTER)

  public slots:
    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_SETTER)
    // A worker's progress(int) connects here as it does to QProgressBar::setValue.
    void setValue(int v) { setValue(static_cast<double>(v)); }

  signals:
    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_SIGNAL)

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt
