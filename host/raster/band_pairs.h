// A pie's band written less the band drawn after it, with two rays a row instead of four.
//
// The bands of a pie are sectors of one ellipse, each starting inside the one before and reaching
// past its end. On a row above the centre the next band lies to the left: it covers everything
// of this band left of its own start ray, so what stays of this band is bounded by the two start
// rays alone. Below the centre it is the mirror image, bounded by the two start rays' columns on
// the other side. Whether a pair lies so on every row they share is decided once, from the rays'
// fixed-point numbers; a pair that does not is written the general way.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "host/raster/ellipse_rows.h"

namespace qd::host {

// How a band (one ray a side: `lo` bounds x from below, `hi` from above) lies against the band
// drawn after it.
enum class BandChain {
    None,   // no rule: write the band's pixels less the next band's span, or all of them
    Above,  // as above the centre: the next band covers ours left of its `hi` ray
    Below,  // as below the centre: the next band covers ours right of its `lo` ray
};

// The rays of one band of the cached rows and the rows it reaches.
struct BandRays {
    FixedRay lo, hi;
    int y0, y1;
    InnerRows lo_inner{}, hi_inner{};  // rows the rays need no clamping on (CachedSector)
};

// How `own` and `next` lie on rows y0..y1, which both reach. A ray's x is linear in the row, so
// one ray lies left of another on every row of the range when it does on the first and the last.
inline BandChain band_chain(const BandRays& own, const BandRays& next, int y0, int y1) {
    if (y0 > y1)
        return BandChain::Above;  // no row shared: any rule holds
    // Each ray's x on the first and the last row, worked out once.
    struct Ends {
        std::int64_t first, last;
        bool left_of(const Ends& q) const { return first <= q.first && last <= q.last; }
    };
    const auto ends = [y0, y1](const FixedRay& r) { return Ends{r.at(y0), r.at(y1)}; };
    const Ends own_lo = ends(own.lo), own_hi = ends(own.hi);
    const Ends next_lo = ends(next.lo), next_hi = ends(next.hi);
    // Above: the next band reaches at least as far left as this one (its lo left of ours), and
    // our lo lies left of its hi, so no column between them is left out. What stays of ours on
    // a row is then [max(first, floor(next.hi) + 1), min(last, floor(own.hi))].
    if (next_lo.left_of(own_lo) && own_lo.left_of(next_hi))
        return BandChain::Above;
    // Below, mirrored: [max(first, ceil(own.lo)), min(last, ceil(next.lo) - 1)].
    if (own_hi.left_of(next_hi) && next_lo.left_of(own_hi))
        return BandChain::Below;
    return BandChain::None;
}

// Rows y0..y1 of a band: from ceil(lo) to floor(hi).
template <typename Fill>
void fill_band_rows(const EllipseRows& rows, const BandRays& own, int y0, int y1,
                    std::uint32_t* pixels, std::ptrdiff_t stride, Fill fill) {
    fill_between(rows, own.lo, kToCeiling, own.hi, 0, y0, y1, own.lo_inner & own.hi_inner, pixels,
                 stride, fill);
}

// Rows y0..y1 of `own` less the pixels of `next`: own's full rows where next does not reach,
// two start rays a row where it does. False, having written nothing, when band_chain finds no
// rule for the rows they share.
template <typename Fill>
bool fill_band_less_next(const EllipseRows& rows, const BandRays& own, const BandRays& next, int y0,
                         int y1, std::uint32_t* pixels, std::ptrdiff_t stride, Fill fill) {
    const int m0 = std::clamp(next.y0, y0, y1 + 1);
    const int m1 = std::clamp(next.y1 + 1, m0, y1 + 1);
    const BandChain chain = band_chain(own, next, m0, m1 - 1);
    if (chain == BandChain::None)
        return false;
    fill_band_rows(rows, own, y0, m0 - 1, pixels, stride, fill);
    if (chain == BandChain::Above)  // floor(next.hi) + 1 to floor(own.hi)
        fill_between(rows, next.hi, kOneColumn, own.hi, 0, m0, m1 - 1, next.hi_inner & own.hi_inner,
                     pixels, stride, fill);
    else  // ceil(own.lo) to ceil(next.lo) - 1
        fill_between(rows, own.lo, kToCeiling, next.lo, kToCeiling - kOneColumn, m0, m1 - 1,
                     own.lo_inner & next.lo_inner, pixels, stride, fill);
    fill_band_rows(rows, own, m1, y1, pixels, stride, fill);
    return true;
}

}  // namespace qd::host
