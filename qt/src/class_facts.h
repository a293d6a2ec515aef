// What the widgets need to know about a control class, read once per class: its properties from
// the type library, its design extent and the smallest extent its Resize keeps.
#pragma once

#include <memory>
#include <string>

#include <QImage>
#include <QList>
#include <QStringList>

#include <qdprogress/control_types.h>
#include <qdprogress/qt/property_info.h>

#include "platform/typeinfo.h"

namespace qd::qt::detail {

struct ClassFacts {
    QList<PropertyInfo> properties;  // slot order
    host::ControlExtent design{};    // twips
    host::ControlExtent minimum{};   // twips, a whole number of pixels at scale 1
    QStringList pages;               // the property pages the class lists, in dialog order
    std::string library;             // the type library's name, which prefixes its ProgIDs
    std::string module;              // the module's path
    bool by_path = false;            // the class was named PATH:CLASS
    QImage toolbox;                  // the library's toolbox bitmap, null when it has none
    // The class of page `page` of this library, named as the control was (ProgID or PATH:NAME).
    std::string page_class(const QString& page) const;
    const PropertyInfo* find(const QString& name) const;  // case-insensitive; null when none
};

// The class a typed widget creates: `progid` when the registry knows it, else the class of
// that name in `module` (a file name without suffix) beside this library or in its installed
// module folder (lib/qd), so the widgets work before anyone registered the modules; `progid`
// again when neither has it (creating it then reports the missing registration).
std::string resolve_class(const std::string& progid, const std::string& module);

// A toolbox bitmap as a picture.
QImage bitmap_image(const BitmapDesc& bitmap);

// The facts of class `what` (ProgID, {CLSID} or PATH:CLASS), shared by every widget of that
// class. Throws host::ContainerError when the class cannot be found or created.
std::shared_ptr<const ClassFacts> class_facts(const std::string& what);

// The kind the widgets give a property of type `type` in a library with these enumerations;
// fills the member names and values of an enumeration.
PropertyInfo::Kind property_kind(const TypeDesc& type, const LibraryDesc& library,
                                 PropertyInfo* info);

}  // namespace qd::qt::detail
