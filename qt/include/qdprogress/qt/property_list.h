// How a typed control class turns its property list into Qt declarations. Each control header
// keeps one list, a line a property:
//
//   X(type, argument type, Qt name, interface name)
//
// and expands it with the macros below, so that the widget and the Qt Quick item declare the
// same Q_PROPERTY lines (moc expands these macros: their definitions are included), getters,
// setters `set<InterfaceName>` and NOTIFY signals `<qtName>Changed`.
#pragma once

#define QD_QT_DECLARE_PROPERTY(T, A, name, Name) \
    Q_PROPERTY(T name READ name WRITE set##Name NOTIFY name##Changed)
#define QD_QT_DECLARE_GETTER(T, A, name, Name) T name() const;
#define QD_QT_DECLARE_SETTER(T, A, name, Name) void set##Name(A v);
// The widgets' NOTIFY signals carry the new value; the Qt Quick items' carry none, as QML has it.
#define QD_QT_DECLARE_SIGNAL(T, A, name, Name) void name##Changed(A name);
#define QD_QT_DECLARE_BARE_SIGNAL(T, A, name, Name) void name##Changed();
