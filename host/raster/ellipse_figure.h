// An ellipse, arc or sector as the surface is asked for it, in pixels, with the directions of
// its ends worked out once.
#pragma once

#include "host/raster/coverage.h"
#include "host/raster/directions.h"

namespace qd::host {

struct EllipseFigure {
    double cx = 0, cy = 0;      // centre
    double a = 0, b = 0;        // horizontal and vertical semi-axes
    bool whole = true;          // no start and end: the whole ellipse
    double start = 0, end = 0;  // arc angles, 0..2 pi, counter-clockwise on screen
    bool start_radius = false, end_radius = false;
    bool empty_sector = false;  // draw the radii only (an end of negative zero)
    // The directions (cos, sin) of start and end, worked out once by aim() for the wedge, the
    // radii and the bounds alike.
    double start_cos = 1, start_sin = 0, end_cos = 1, end_sin = 0;

    bool aimed = false;

    // Sets the directions from start and end (once; a whole figure has none); call it after
    // setting them and before the wedge, the radii or the bounds are asked for.
    void aim() {
        if (aimed || whole)
            return;
        const Direction s = direction_of(start), e = direction_of(end);
        start_cos = s.cos, start_sin = s.sin;
        end_cos = e.cos, end_sin = e.sin;
        aimed = true;
    }
    Wedge wedge() const {
        return whole ? Wedge::full()
                     : Wedge::between(start, end, start_cos, start_sin, end_cos, end_sin);
    }
};

}  // namespace qd::host
