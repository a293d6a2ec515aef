// The one implementation of the typed classes' accessors, for the widgets and the Qt Quick
// items alike: each getter and setter goes to the control by the interface's own name through
// the class's controlProperty / setControlProperty; controlValueChanged fires the NOTIFY signal
// of the property that changed.
#pragma once

#include <type_traits>

#include <QLatin1String>
#include <QString>
#include <QVariant>

namespace qd::qt::detail {

// Enumerations travel as their integer; everything else as QVariant carries it.
template <typename T>
T value_as(const QVariant& v) {
    if constexpr (std::is_enum_v<T>)
        return static_cast<T>(v.toInt());
    else
        return v.value<T>();
}

template <typename T>
QVariant variant_of(const T& v) {
    if constexpr (std::is_enum_v<T>)
        return static_cast<int>(v);
    else
        return QVariant::fromValue(v);
}

}  // namespace qd::qt::detail

// The definitions for the class named by QD_QT_CLASS (defined before use): a getter and a setter
// for each property of LIST, and controlValueChanged firing the NOTIFY signal of the property
// that changed, through NOTIFY (QD_QT_NOTIFY_VALUE or QD_QT_NOTIFY_BARE).
#define QD_QT_DEFINE_PROPERTIES(LIST, NOTIFY)                                       \
    LIST(QD_QT_DEFINE_ACCESSORS)                                                    \
    void QD_QT_CLASS::controlValueChanged(const QString& changed,                   \
                                          [[maybe_unused]] const QVariant& value) { \
        LIST(NOTIFY)                                                                \
    }

#define QD_QT_DEFINE_ACCESSORS(T, A, name, Name)                                    \
    auto QD_QT_CLASS::name() const->T {                                             \
        return qd::qt::detail::value_as<T>(controlProperty(QStringLiteral(#Name))); \
    }                                                                               \
    void QD_QT_CLASS::set##Name(A v) {                                              \
        setControlProperty(QStringLiteral(#Name), qd::qt::detail::variant_of(v));   \
    }

#define QD_QT_NOTIFY_VALUE(T, A, name, Name) \
    if (changed == QLatin1String(#Name))     \
        return void(emit name##Changed(qd::qt::detail::value_as<T>(value)));
#define QD_QT_NOTIFY_BARE(T, A, name, Name) \
    if (changed == QLatin1String(#Name))    \
        return void(emit name##Changed());
