#include "platform/typeinfo.h"

#include "foundation/ascii.h"

namespace qd {

const ClassDesc* find_class(const LibraryDesc& lib, const char* name) {
    for (std::size_t i = 0; i < lib.class_count; ++i)
        if (iequals_ascii(lib.classes[i].name, name))
            return &lib.classes[i];
    return nullptr;
}

const ClassDesc* find_class(const LibraryDesc& lib, const Guid& clsid) {
    for (std::size_t i = 0; i < lib.class_count; ++i)
        if (lib.classes[i].clsid == clsid)
            return &lib.classes[i];
    return nullptr;
}

}  // namespace qd
