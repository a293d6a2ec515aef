// A type library as readable text, for people and for tests.
#pragma once

#include <ostream>

#include "platform/typeinfo.h"

namespace qd::host {

// Writes the library's attributes, its classes (kind, flags, default and event interfaces,
// property pages, design extent), each interface's members in slot order with kind, type and
// dispatch identifier in hex, the enumerations with their values, and the resources (bitmaps
// with their pixels as palette indices, the version block).
void dump_type_library(const LibraryDesc& lib, std::ostream& out);

}  // namespace qd::host
