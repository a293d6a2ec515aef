// What the toolbox offers: every control class of every library in the registry, grouped by
// library, each with its toolbox bitmap and design extent. A library that cannot be loaded
// stays in the list with its error.
#pragma once

#include <string>
#include <vector>

#include "host/raster/image.h"
#include "platform/typeinfo.h"

namespace qd::designer {

struct ToolboxClass {
    std::string name;                           // the class's own name, e.g. qdProgressPie
    std::string progid;                         // LIBRARY.CLASS
    float design_width = 0, design_height = 0;  // twips
    host::Image bitmap;                         // empty when the library has none for it
};

struct ToolboxLibrary {
    std::string name;  // the type library's name, or the module's file name when unreadable
    std::string path;
    std::string error;  // why the library could not be read; empty when it was
    std::vector<ToolboxClass> classes;
};

// The control classes of the library `lib` as the toolbox shows them. A library does not say
// which bitmap is whose: as the registrar numbers them, the control classes in order of name
// (without letter case) take the bitmaps in order of identifier. With fewer bitmaps than
// control classes, the classes past the last bitmap have none.
std::vector<ToolboxClass> toolbox_classes(const LibraryDesc& lib);

// Every library the registry at `registry_path` lists (its type-library and class entries),
// in the order the registry first names its module. Throws RegistryError when the registry
// cannot be read.
std::vector<ToolboxLibrary> read_toolbox(const std::string& registry_path);

}  // namespace qd::designer
