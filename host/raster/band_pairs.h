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
    Above,  // rows at or above the centre; the next band covers the band left of its `hi` ray
    Below,  // rows at or below the centre; the next band covers the band right of its `lo` ray
};

// The rays of one band of the cached rows and the rows it reaches.
struct BandRays {
    FixedRay lo, hi;
    int y0, y1;
};

inline BandChain band_chain(const BandRays& own, const BandRays& next) {
    const int anchor = own.lo.anchor;
    if (own.hi.anchor != anchor || next.lo.anchor != anchor || next.hi.anchor != anchor)
        return BandChain::None;
    // At or above the anchor row a ray's x is at_anchor + (anchor - y) * step, so a ray with
    // both numbers smaller lies left of the other on every such row; at or below it, the step
    // counts the other way.
    const auto left_above = [](const FixedRay& p, const FixedRay& q) {
        return p.at_anchor <= q.at_anchor && p.step <= q.step;
    };
    const auto left_below = [](const FixedRay& p, const FixedRay& q) {
        return p.at_anchor <= q.at_anchor && p.step >= q.step;
    };
    // Above: the next band reaches at least as far left (its lo left of ours), and our lo lies
    // left of its hi, so no column between the two is left out. Then what stays of ours on a row
    // is [max(first, floor(next.hi) + 1), min(last, floor(own.hi))].
    if (own.y1 <= anchor && next.y1 <= anchor && left_above(next.lo, own.lo) &&
        left_above(own.lo, next.hi))
        return BandChain::Above;
    // Below, mirrored: [max(first, ceil(own.lo)), min(last, ceil(next.lo) - 1)].
    if (own.y0 >= anchor && next.y0 >= anchor && left_below(own.hi, next.hi) &&
        left_below(next.lo, own.hi))
        return BandChain::Below;
    return BandChain::None;
}

// Rows y0..y1 of a band, clipped to the ellipse, in one colour. `fill(p, n)` writes n pixels.
template <typename Fill>
void fill_band_rows(const EllipseRows& rows, const BandRays& own, int y0, int y1,
                    std::uint32_t* pixels, std::ptrdiff_t stride, Fill&& fill) {
    constexpr std::int64_t kCeil = (std::int64_t{1} << FixedRay::kFraction) - 1;
    const int* first_of = rows.first();
    const int* last_of = rows.last();
    std::int64_t lo = own.lo.at(y0) + kCeil, hi = own.hi.at(y0);
    const std::int64_t lo_step = own.lo.step, hi_step = own.hi.step;
    std::uint32_t* row = pixels + y0 * stride;
    for (int y = y0; y <= y1; ++y, row += stride, lo -= lo_step, hi -= hi_step) {
        const int first = std::max(first_of[y], FixedRay::floor_of(lo));
        const int last = std::min(last_of[y], FixedRay::floor_of(hi));
        if (first <= last)
            fill(row + first, last - first + 1);
    }
}

// Rows y0..y1 of `own` less the pixels of `next`, for a pair that band_chain places Above or
// Below: own's full rows where next does not reach, two start rays a row where it does.
template <typename Fill>
void fill_band_less_next(const EllipseRows& rows, const BandRays& own, const BandRays& next,
                         BandChain chain, int y0, int y1, std::uint32_t* pixels,
                         std::ptrdiff_t stride, Fill&& fill) {
    const int m0 = std::clamp(next.y0, y0, y1 + 1);
    const int m1 = std::clamp(next.y1 + 1, m0, y1 + 1);
    if (y0 < m0)
        fill_band_rows(rows, own, y0, m0 - 1, pixels, stride, fill);
    const int* first_of = rows.first();
    const int* last_of = rows.last();
    std::uint32_t* row = pixels + m0 * stride;
    if (chain == BandChain::Above) {
        constexpr std::int64_t kNext = std::int64_t{1} << FixedRay::kFraction;
        std::int64_t h0 = own.hi.at(m0), h1 = next.hi.at(m0) + kNext;  // floor(next.hi) + 1
        const std::int64_t s0 = own.hi.step, s1 = next.hi.step;
        for (int y = m0; y < m1; ++y, row += stride, h0 -= s0, h1 -= s1) {
            const int first = std::max(first_of[y], FixedRay::floor_of(h1));
            const int last = std::min(last_of[y], FixedRay::floor_of(h0));
            if (first <= last)
                fill(row + first, last - first + 1);
        }
    } else {
        constexpr std::int64_t kCeil = (std::int64_t{1} << FixedRay::kFraction) - 1;
        constexpr std::int64_t kBack = std::int64_t{1} << FixedRay::kFraction;
        // ceil(own.lo), and ceil(next.lo) - 1.
        std::int64_t l0 = own.lo.at(m0) + kCeil, l1 = next.lo.at(m0) + kCeil - kBack;
        const std::int64_t s0 = own.lo.step, s1 = next.lo.step;
        for (int y = m0; y < m1; ++y, row += stride, l0 -= s0, l1 -= s1) {
            const int first = std::max(first_of[y], FixedRay::floor_of(l0));
            const int last = std::min(last_of[y], FixedRay::floor_of(l1));
            if (first <= last)
                fill(row + first, last - first + 1);
        }
    }
    if (m1 <= y1)
        fill_band_rows(rows, own, m1, y1, pixels, stride, fill);
}

}  // namespace qd::host
