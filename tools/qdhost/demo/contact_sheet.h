// The contact sheet: every tile of the gallery on one picture, in a grid per section, each with
// its two-line caption underneath.
#pragma once

#include <vector>

#include "host/raster/image.h"
#include "tools/qdhost/demo/gallery_plan.h"

namespace qd::qdhost::demo {

// `views[i]` is the picture of `tiles[i]`. Sections follow one another in the order of their
// first tile; within a section the cells are as large as its largest tile.
host::Image contact_sheet(const std::vector<Tile>& tiles, const std::vector<host::Image>& views);

}  // namespace qd::qdhost::demo
