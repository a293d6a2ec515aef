#include "tools/qddesigner/toolbox_model.h"

#include <algorithm>
#include <filesystem>

#include "host/loader/loader.h"
#include "host/loader/toolbox_bitmap.h"
#include "platform/registry.h"
#include "tools/qdhost/resources.h"

namespace qd::designer {

namespace {

ToolboxLibrary read_library(const std::string& path) {
    ToolboxLibrary library;
    library.path = path;
    try {
        const host::TypeLibraryRef tl = host::type_library(path);
        library.name = tl.desc().name;
        library.classes = toolbox_classes(tl.desc());
    } catch (const host::LoaderError& e) {
        library.name = std::filesystem::path(path).stem().string();
        library.error = e.what();
    }
    return library;
}

}  // namespace

std::vector<ToolboxClass> toolbox_classes(const LibraryDesc& lib) {
    std::vector<const ClassDesc*> controls;
    for (std::size_t i = 0; i < lib.class_count; ++i)
        if (lib.classes[i].kind == ClassKind::Control)
            controls.push_back(&lib.classes[i]);
    std::vector<ToolboxClass> classes;
    for (const ClassDesc* cls : controls) {
        ToolboxClass entry{cls->name,
                           std::string(lib.name) + "." + cls->name,
                           cls->design_width,
                           cls->design_height,
                           {}};
        if (const BitmapDesc* bitmap = host::toolbox_bitmap(lib, *cls))
            entry.bitmap = qdhost::bitmap_picture(*bitmap);
        classes.push_back(std::move(entry));
    }
    return classes;
}

std::vector<ToolboxLibrary> read_toolbox(const std::string& registry_path) {
    std::vector<std::string> paths;
    for (const RegistryEntry& entry : Registry(registry_path).read())
        if (std::find(paths.begin(), paths.end(), entry.path) == paths.end())
            paths.push_back(entry.path);
    std::vector<ToolboxLibrary> libraries;
    for (const std::string& path : paths)
        libraries.push_back(read_library(path));
    return libraries;
}

}  // namespace qd::designer
