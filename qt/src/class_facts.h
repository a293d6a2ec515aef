// What the widgets need to know about a control class, read once per class: its properties from
// the type library, its design extent and the smallest extent its Resize keeps.
#pragma once

#include <memory>
#include <string>

#include <QList>

#include <qdprogress/control_types.h>
#include <qdprogress/qt/property_info.h>

#include "platform/typeinfo.h"

namespace qd::qt::detail {

struct ClassFacts {
    QList<PropertyInfo> properties;  // slot order
    host::ControlExtent design{};    // twips
    host::ControlExtent minimum{};   // twips, a whole number of pixels at scale 1
    const PropertyInfo* find(const QString& name) const;  // case-insensitive; null when none
};

// The facts of class `what` (ProgID, {CLSID} or PATH:CLASS), shared by every widget of that
// class. Throws host::ContainerError when the class cannot be found or created.
std::shared_ptr<const ClassFacts> class_facts(const std::string& what);

// The kind the widgets give a property of type `type` in a library with these enumerations;
// fills the member names and values of an enumeration.
PropertyInfo::Kind property_kind(const TypeDesc& type, const LibraryDesc& library,
                                 PropertyInfo* info);

}  // namespace qd::qt::detail
