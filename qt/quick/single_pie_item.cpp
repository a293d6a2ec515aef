#include "qt/quick/single_pie_item.h"

#include "qt/src/property_accessors.h"

namespace qd::qt::quick {

SinglePieItem::SinglePieItem(QQuickItem* parent)
    : ControlItem(SinglePie::kClassId, "qdxProgressPie", parent) {}

#define QD_QT_CLASS SinglePieItem
QD_QT_DEFINE_PROPERTIES(QD_QT_SINGLE_PIE_PROPERTIES, QD_QT_NOTIFY_BARE)

}  // namespace qd::qt::quick
