#include <qdprogress/qt/progress_bar.h>

#include "qt/src/class_facts.h"
#include "qt/src/property_accessors.h"

namespace qd::qt {

ProgressBar::ProgressBar(QWidget* parent)
    : ControlWidget(QString::fromStdString(detail::resolve_class(kClassId, "qdProgressControls")),
                    parent) {}

ProgressBar::ProgressBar(const QString& classId, QWidget* parent)
    : ControlWidget(classId, parent) {}

#define QD_QT_CLASS ProgressBar
QD_QT_DEFINE_PROPERTIES(QD_QT_PROGRESS_BAR_PROPERTIES, QD_QT_NOTIFY_VALUE)

}  // namespace qd::qt
