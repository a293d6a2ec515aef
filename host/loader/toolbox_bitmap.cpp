#include "host/loader/toolbox_bitmap.h"

#include <cstddef>

#include "foundation/ascii.h"

namespace qd::host {

namespace {

bool name_before(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (ascii_lower(*a) != ascii_lower(*b))
            return ascii_lower(*a) < ascii_lower(*b);
    return *a == 0 && *b != 0;
}

}  // namespace

const BitmapDesc* toolbox_bitmap(const LibraryDesc& lib, const ClassDesc& cls) {
    if (cls.kind != ClassKind::Control)
        return nullptr;
    // The class's rank among the controls by name (ties keep the library's order)...
    std::size_t rank = 0;
    for (std::size_t i = 0; i < lib.class_count; ++i) {
        const ClassDesc& other = lib.classes[i];
        if (&other == &cls || other.kind != ClassKind::Control)
            continue;
        if (name_before(other.name, cls.name) ||
            (!name_before(cls.name, other.name) && &other < &cls))
            ++rank;
    }
    // ...picks the bitmap of the same rank by identifier (ties keep the library's order).
    for (std::size_t i = 0; i < lib.bitmap_count; ++i) {
        std::size_t below = 0;
        for (std::size_t j = 0; j < lib.bitmap_count; ++j)
            if (lib.bitmaps[j].id < lib.bitmaps[i].id ||
                (lib.bitmaps[j].id == lib.bitmaps[i].id && j < i))
                ++below;
        if (below == rank)
            return &lib.bitmaps[i];
    }
    return nullptr;
}

}  // namespace qd::host
