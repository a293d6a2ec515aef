#include "qt/quick/progress_pie_item.h"

#include "qt/src/property_accessors.h"

namespace qd::qt::quick {

ProgressPieItem::ProgressPieItem(QQuickItem* parent)
    : ControlItem(ProgressPie::kClassId, "qdProgressControls", parent) {}

#define QD_QT_CLASS ProgressPieItem
QD_QT_DEFINE_PROPERTIES(QD_QT_PROGRESS_PIE_PROPERTIES, QD_QT_NOTIFY_BARE)

}  // namespace qd::qt::quick
