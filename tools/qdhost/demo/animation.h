// The progress animation: a pie and a bar side by side, driven from Min to Max through
// incremental Value updates by name, as a long task drives them.
#pragma once

#include <vector>

#include "host/container/container.h"
#include "host/raster/image.h"

namespace qd::qdhost::demo {

// Creates the pie and the bar on `form`, sets Value to Min, then to Max in `steps` equal
// updates; returns a frame after each (steps + 1 frames). Throws host::ContainerError.
std::vector<host::Image> progress_frames(host::Container& form, int steps);

}  // namespace qd::qdhost::demo
