// What the type library says about one property of a control's dispatch interface.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qd::qt {

struct PropertyInfo {
    enum class Kind { Number, Integer, Boolean, Colour, Enumeration, Text, Other };
    QString name;  // the interface's own name, e.g. "FillType"
    int dispid = 0;
    Kind kind = Kind::Other;
    QStringList enumNames;  // Enumeration: the type library's member names, in order
    QList<int> enumValues;  //   and their values
    bool readOnly = false;
};

}  // namespace qd::qt
