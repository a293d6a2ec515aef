// A box's pixels from its corners: what draw_box paints, what the queue holds and what the
// damage covers all start here, so every path agrees on them. Each axis is worked out alone:
// a bar's bands share their rows, and the picture box keeps the last row axis.
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

// One axis of a box: the corners rounded and ordered, the outline's outer edges (centred on the
// corners, or inside them for the inside style) and the edges of the hole inside the outline.
struct BoxAxis {
    long long lo, hi;
    long long out_lo, out_hi;
    long long in_lo, in_hi;

    BoxAxis(double a, double b, int pen_width, bool inside) {
        lo = to_pixel(a), hi = to_pixel(b);
        if (lo > hi)
            std::swap(lo, hi);
        const long long w = pen_width;
        out_lo = lo - (inside ? 0 : (w - 1) / 2);
        out_hi = hi + (inside ? 0 : w / 2);
        in_lo = out_lo + w, in_hi = out_hi - w;
    }
    bool has_hole() const { return in_lo <= in_hi; }
};

// Both axes, named as the figure code uses them.
struct BoxEdges {
    long long left, top, right, bottom;  // the corners
    long long ol, ot, orr, ob;           // outside of the outline
    long long il, it, ir, ib;            // inside of the outline (the hole)

    BoxEdges(const BoxAxis& x, const BoxAxis& y)
        : left(x.lo),
          top(y.lo),
          right(x.hi),
          bottom(y.hi),
          ol(x.out_lo),
          ot(y.out_lo),
          orr(x.out_hi),
          ob(y.out_hi),
          il(x.in_lo),
          it(y.in_lo),
          ir(x.in_hi),
          ib(y.in_hi) {}
    // `inside`: the pen's whole width lies inside the corners.
    BoxEdges(double x1, double y1, double x2, double y2, int pen_width, bool inside)
        : BoxEdges(BoxAxis(x1, x2, pen_width, inside), BoxAxis(y1, y2, pen_width, inside)) {}
    bool has_hole() const { return il <= ir && it <= ib; }
};

// box_bounds along one axis: floor(min - pad) to ceil(max + pad). False when either end lies
// beyond +-2^24 pixels, where box_bounds takes the general rounding.
inline bool bound_span(double a, double b, double pad, long long* lo, long long* hi) {
    constexpr double kReach = 1 << 24;
    const double l = std::min(a, b) - pad, h = std::max(a, b) + pad;
    if (!(l > -kReach && h < kReach))
        return false;
    const auto tl = static_cast<int>(l), th = static_cast<int>(h);
    *lo = tl - (l < static_cast<double>(tl) ? 1 : 0);
    *hi = th + (h > static_cast<double>(th) ? 1 : 0);
    return true;
}

// The pixels a box may change: its corners with `pad` around; false as bound_span.
inline bool box_bounds_near(double x1, double y1, double x2, double y2, double pad,
                            PixelRect* out) {
    long long left, right, top, bottom;
    if (!bound_span(x1, x2, pad, &left, &right) || !bound_span(y1, y2, pad, &top, &bottom))
        return false;
    *out = PixelRect::spanning(left, top, right, bottom);
    return true;
}

}  // namespace qd::host
