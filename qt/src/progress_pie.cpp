#include <qdprogress/qt/progress_pie.h>

#include "qt/src/class_facts.h"
#include "qt/src/property_accessors.h"

namespace qd::qt {

ProgressPie::ProgressPie(QWidget* parent)
    : ControlWidget(QString::fromStdString(detail::resolve_class(kClassId, "qdProgressControls")),
                    parent) {}

ProgressPie::ProgressPie(const QString& classId, QWidget* parent)
    : ControlWidget(classId, parent) {}

#define QD_QT_CLASS ProgressPie
QD_QT_DEFINE_PROPERTIES(QD_QT_PROGRESS_PIE_PROPERTIES, QD_QT_NOTIFY_VALUE)

}  // namespace qd::qt
