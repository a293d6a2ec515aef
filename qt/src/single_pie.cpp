#include <qdprogress/qt/single_pie.h>

#include "qt/src/class_facts.h"
#include "qt/src/property_accessors.h"

namespace qd::qt {

SinglePie::SinglePie(QWidget* parent)
    : ControlWidget(QString::fromStdString(detail::resolve_class(kClassId, "qdxProgressPie")),
                    parent) {}

SinglePie::SinglePie(const QString& classId, QWidget* parent) : ControlWidget(classId, parent) {}

#define QD_QT_CLASS SinglePie
QD_QT_DEFINE_PROPERTIES(QD_QT_SINGLE_PIE_PROPERTIES, QD_QT_NOTIFY_VALUE)

}  // namespace qd::qt
