// The single pie: a square pie of its own library, in one colour or a two-colour gradient.
// The QML type SinglePie of `import QdProgress`: the same properties and notify signals as the
// widget qd::qt::SinglePie, from the widget's own list.
#pragma once

#include <qdprogress/qt/single_pie.h>

#include "qt/quick/control_item.h"

namespace qd::qt::quick {

class SinglePieItem : public ControlItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(SinglePie)
    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_PROPERTY)
  public:
    QD_QT_SINGLE_PIE_ENUMS

    explicit SinglePieItem(QQuickItem* parent = nullptr);

    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_GETTER)
    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_SETTER)

  signals:
    QD_QT_SINGLE_PIE_PROPERTIES(QD_QT_DECLARE_BARE_SIGNAL)

  protected:
    void controlValueChanged(const QString& name, const QVariant& value) override;
};

}  // namespace qd::qt::quick
