#include "platform/typeinfo.h"

#include <cctype>

namespace qd {

namespace {
bool iequals(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}
}  // namespace

const ClassDesc* find_class(const LibraryDesc& lib, const char* name) {
    for (std::size_t i = 0; i < lib.class_count; ++i)
        if (iequals(lib.classes[i].name, name))
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
