// The project descriptor of qdxProgressPieControl: what its type library publishes and what its
// four exports hand to the server runtime.
#pragma once

#include "platform/typeinfo.h"

namespace qd::single {

extern const LibraryDesc kLibrary;

}  // namespace qd::single
