// The project descriptor of qdProgressControls: what its type library publishes and what its
// four exports hand to the server runtime.
#pragma once

#include "platform/typeinfo.h"

namespace qd::progress {

extern const LibraryDesc kLibrary;

}  // namespace qd::progress
