#include "qt/quick/progress_bar_item.h"

#include "qt/src/property_accessors.h"

namespace qd::qt::quick {

ProgressBarItem::ProgressBarItem(QQuickItem* parent)
    : ControlItem(ProgressBar::kClassId, "qdProgressControls", parent) {}

#define QD_QT_CLASS ProgressBarItem
QD_QT_DEFINE_PROPERTIES(QD_QT_PROGRESS_BAR_PROPERTIES, QD_QT_NOTIFY_BARE)

}  // namespace qd::qt::quick
