// Sectors of the cached rows set up once and remembered, per thread.
//
// A pie draws the same hundred bands of the same ellipse at every full pass, and an update the
// bands a pass before drew too: a band's rays and rows are looked up by the figure's exact
// numbers instead of being worked out again. A hit gives what cached_sector_setup gave.
#pragma once

#include "host/raster/ellipse_figure.h"
#include "host/raster/ellipse_rows.h"

namespace qd::host {

// The sector of `f` as cached_sector_setup sets it up, with `rows` prepared for its ellipse;
// null when that fails. It stays valid until the next call. `f` is aimed only when the sector
// has to be worked out.
const CachedSector* remembered_sector_setup(EllipseRows& rows, EllipseFigure& f, const Clip& clip);

}  // namespace qd::host
