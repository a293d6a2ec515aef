// The progress pie: a sector that grows with Value, in one colour or a gradient, with a label.
// The QML type ProgressPie of `import QdProgress`: the same properties and notify signals as the
// widget qd::qt::ProgressPie, from the widget's own list.
#pragma once

#include <qdprogress/qt/progress_pie.h>

#include "qt/quick/control_item.h"

namespace qd::qt::quick {

class ProgressPieItem : public ControlItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ProgressPie)
    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_PROPERTY)
  public:
    QD_QT_PROGRESS_PIE_ENUMS

    explicit ProgressPieItem(QQuickItem* parent = nullptr);

    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_GETTER)
    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_SETTER)

  signals:
    QD_QT_PROGRESS_PIE_PROPERTIES(QD_QT_DECLARE_BARE_SIGNAL)

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt::quick
