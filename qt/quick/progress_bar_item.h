// The progress bar: a band that grows from the left with Value, with a label.
// The QML type ProgressBar of `import QdProgress`: the same properties and notify signals as the
// widget qd::qt::ProgressBar, from the widget's own list.
#pragma once

#include <qdprogress/qt/progress_bar.h>

#include "qt/quick/control_item.h"

namespace qd::qt::quick {

class ProgressBarItem : public ControlItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(ProgressBar)
    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_PROPERTY)
  public:
    QD_QT_PROGRESS_BAR_ENUMS

    explicit ProgressBarItem(QQuickItem* parent = nullptr);

    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_GETTER)
    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_SETTER)

  signals:
    QD_QT_PROGRESS_BAR_PROPERTIES(QD_QT_DECLARE_BARE_SIGNAL)

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt::quick
