// A box's pixels from its corners: what draw_box paints, what the queue holds and what the
// damage covers all start here, so every path agrees on them.
#pragma once

#include <algorithm>

#include "host/raster/pixel_rect.h"

namespace qd::host {

// The nearest pixel of a coordinate, halves up, within +-1e9: floor(v + 0.5) by conversion.
inline long long to_pixel(double v) {
    v = std::min(std::max(v, -1e9), 1e9) + 0.5;
    const auto t = static_cast<int>(v);
    return t - (v < static_cast<double>(t) ? 1 : 0);
}

// A box's rows and columns: the corners rounded and ordered, the outline's outer edge (centred
// on the corners, or inside them for the inside style) and the hole inside the outline.
struct BoxEdges {
    long long left, top, right, bottom;  // the corners
    long long ol, ot, orr, ob;           // outside of the outline
    long long il, it, ir, ib;            // inside of the outline (the hole)

    // `inside`: the pen's whole width lies inside the corners.
    BoxEdges(double x1, double y1, double x2, double y2, int pen_width, bool inside) {
        left = to_pixel(x1), right = to_pixel(x2);
        top = to_pixel(y1), bottom = to_pixel(y2);
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        const long long w = pen_width;
        const long long grow_lo = inside ? 0 : (w - 1) / 2;
        const long long grow_hi = inside ? 0 : w / 2;
        ol = left - grow_lo, ot = top - grow_lo;
        orr = right + grow_hi, ob = bottom + grow_hi;
        il = ol + w, it = ot + w, ir = orr - w, ib = ob - w;
    }
    bool has_hole() const { return il <= ir && it <= ib; }
};

// The pixels a box may change: its corners with `pad` around. False when a side lies beyond
// +-2^24 pixels, where box_bounds takes the general rounding.
inline bool box_bounds_near(double x1, double y1, double x2, double y2, double pad,
                            PixelRect* out) {
    constexpr double kReach = 1 << 24;
    const double lo_x = std::min(x1, x2) - pad, hi_x = std::max(x1, x2) + pad;
    const double lo_y = std::min(y1, y2) - pad, hi_y = std::max(y1, y2) + pad;
    if (!(lo_x > -kReach && hi_x < kReach && lo_y > -kReach && hi_y < kReach))
        return false;
    const auto floor_of = [](double v) {
        const long long t = static_cast<long long>(v);
        return t - (v < static_cast<double>(t) ? 1 : 0);
    };
    const auto ceil_of = [](double v) {
        const long long t = static_cast<long long>(v);
        return t + (v > static_cast<double>(t) ? 1 : 0);
    };
    *out = PixelRect::spanning(floor_of(lo_x), floor_of(lo_y), ceil_of(hi_x), ceil_of(hi_y));
    return true;
}

}  // namespace qd::host
