// A failure a hosted control reports: its result code, the run-time error's text and the
// property it concerns.
#pragma once

#include <QMetaType>
#include <QString>

namespace qd::qt {

struct ControlError {
    long code = 0;     // the result code (0 = no error)
    QString message;   // the run-time error's text (or the failure's description)
    QString property;  // the property it concerns, empty when none
    explicit operator bool() const { return code != 0 || !message.isEmpty(); }  // true = error
};

}  // namespace qd::qt

Q_DECLARE_METATYPE(qd::qt::ControlError)
