#include "tools/qddesigner/toolbox_model.h"

#include <algorithm>
#include <filesystem>

#include "foundation/ascii.h"
#include "host/loader/loader.h"
#include "platform/registry.h"
#include "tools/qdhost/resources.h"

namespace qd::designer {

namespace {

bool name_before(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (ascii_lower(*a) != ascii_lower(*b))
            return ascii_lower(*a) < ascii_lower(*b);
    return *a == 0 && *b != 0;
}

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
    std::vector<const ClassDesc*> by_name = controls;
    std::stable_sort(by_name.begin(), by_name.end(), [](const ClassDesc* a, const ClassDesc* b) {
        return name_before(a->name, b->name);
    });
    std::vector<const BitmapDesc*> bitmaps;
    for (std::size_t i = 0; i < lib.bitmap_count; ++i)
        bitmaps.push_back(&lib.bitmaps[i]);
    std::stable_sort(bitmaps.begin(), bitmaps.end(),
                     [](const BitmapDesc* a, const BitmapDesc* b) { return a->id < b->id; });

    std::vector<ToolboxClass> classes;
    for (const ClassDesc* cls : controls) {
        ToolboxClass entry{cls->name,
                           std::string(lib.name) + "." + cls->name,
                           cls->design_width,
                           cls->design_height,
                           {}};
        const auto rank = static_cast<std::size_t>(std::find(by_name.begin(), by_name.end(), cls) -
                                                   by_name.begin());
        if (rank < bitmaps.size())
            entry.bitmap = qdhost::bitmap_picture(*bitmaps[rank]);
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
