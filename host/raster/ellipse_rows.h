// The fast path of sector fills: an ellipse's columns per row, kept between figures, and the
// wedge's rays stepped from row to row in fixed point.
//
// A pie is a hundred thin sectors of one ellipse, so the ellipse's own span on each row is worked
// out once and reused by every band and every later update. The rays that bound a band move by a
// constant amount per row; held as 64-bit fixed-point numbers anchored at row 0, a row costs one
// subtraction and one shift per ray. A ray's position on a row is therefore the same in every
// figure that shares the ray, so neighbouring sectors meet without gaps.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/raster/coverage.h"
#include "host/raster/paint.h"

namespace qd::host {

// The spans of the last whole elliptical ring drawn (a pie's border, the same at every full
// pass): at most two a row, as ring_spans finds them for the whole turn, kept as 16-bit columns
// (a picture is at most 16384 pixels a side).
class RingRows {
  public:
    void reserve(int height) {
        spans_.assign(static_cast<std::size_t>(height), Row{});
        width_ = -1;
    }

    // The rows of the ring between (ao, bo) and (ai, bi) about (cx, cy), worked out unless they
    // are the kept ones; false when the clip does not fit the rows held.
    bool prepare(double cx, double cy, double ao, double bo, double ai, double bi,
                 const Clip& clip) {
        if (static_cast<int>(spans_.size()) < clip.height)
            return false;
        if (holds(cx, cy, ao, bo, ai, bi, clip.width) && clip.height == height_)
            return true;
        cx_ = cx, cy_ = cy, ao_ = ao, bo_ = bo, ai_ = ai, bi_ = bi;
        width_ = clip.width, height_ = clip.height;
        y0_ = 0, y1_ = -1;
        if (!row_range(cy, bo, clip, &y0_, &y1_))
            return true;
        for (int y = y0_; y <= y1_; ++y)
            spans_[y] = Row{};
        ring_spans(cx, cy, ao, bo, ai, bi, Wedge::full(), clip, [&](int y, int x0, int x1) {
            Row& r = spans_[y];
            r.x[2 * r.count] = static_cast<std::int16_t>(x0);
            r.x[2 * r.count + 1] = static_cast<std::int16_t>(x1);
            ++r.count;
        });
        return true;
    }

    // Whether the kept rows are those of this ring on a picture `width` wide.
    bool holds(double cx, double cy, double ao, double bo, double ai, double bi, int width) const {
        return cx == cx_ && cy == cy_ && ao == ao_ && bo == bo_ && ai == ai_ && bi == bi_ &&
               width == width_;
    }
    // The kept spans of row y (within the picture) as pairs in `out`; returns the count.
    int row(int y, int out[4]) const {
        if (y < y0_ || y > y1_)
            return 0;
        const Row& r = spans_[y];
        for (int i = 0; i < 2 * r.count; ++i)
            out[i] = r.x[i];
        return r.count;
    }

    // The prepared ring's spans, row by row, as ring_spans hands them.
    template <typename Sink>
    void walk(Sink&& sink) const {
        for (int y = y0_; y <= y1_; ++y) {
            const Row& r = spans_[y];
            for (int i = 0; i < r.count; ++i)
                sink(y, r.x[2 * i], r.x[2 * i + 1]);
        }
    }

  private:
    struct Row {
        std::int16_t x[4] = {};
        std::int16_t count = 0;
    };
    std::vector<Row> spans_;
    double cx_ = 0, cy_ = 0, ao_ = 0, bo_ = 0, ai_ = 0, bi_ = 0;
    int width_ = -1, height_ = -1;
    int y0_ = 0, y1_ = -1;
};

class EllipseRows {
  public:
    // Room for a picture of `height` rows: allocated when the picture is, never while drawing.
    void reserve(int height) {
        first_.assign(static_cast<std::size_t>(height), 0);
        last_.assign(static_cast<std::size_t>(height), 0);
        width_ = -1;  // nothing cached
        ring_.reserve(height);
    }

    // The border ring kept beside the ellipse.
    RingRows& ring() { return ring_; }
    const RingRows& ring() const { return ring_; }

    // Whether the rows of a picture with this clip can be held.
    bool fits(const Clip& clip) const { return static_cast<int>(first_.size()) >= clip.height; }

    // The columns of the ellipse (semi-axes a, b > 0 about cx, cy) on rows y0()..y1(), clipped,
    // for a clip that fits; false when no row of the picture meets the ellipse. Rows within
    // y0()..y1() that the ellipse misses are empty (first > last).
    bool prepare(double cx, double cy, double a, double b, const Clip& clip) {
        if (cx == cx_ && cy == cy_ && a == a_ && b == b_ && clip.width == width_)
            return y0_ <= y1_;
        cx_ = cx, cy_ = cy, a_ = a, b_ = b, width_ = clip.width;
        y0_ = 0, y1_ = -1;
        if (!row_range(cy, b, clip, &y0_, &y1_))
            return false;
        for (int y = y0_; y <= y1_; ++y) {
            const double hw = ellipse_half_width(a, b, y - cy);
            if (hw < 0 || !pixel_range(cx, {-hw, hw}, clip.width, &first_[y], &last_[y])) {
                first_[y] = 1;
                last_[y] = 0;
            }
        }
        return y0_ <= y1_;
    }

    int y0() const { return y0_; }
    int y1() const { return y1_; }
    const int* first() const { return first_.data(); }
    const int* last() const { return last_.data(); }

  private:
    RingRows ring_;
    std::vector<int> first_, last_;
    double cx_ = 0, cy_ = 0, a_ = 0, b_ = 0;
    int width_ = -1;
    int y0_ = 0, y1_ = -1;
};

// The x of a ray through (cx, cy) with x = cx + k * (cy - y), in fixed point with 44 fraction
// bits, anchored at the row through the centre (floor(cy)) so that a centre on a pixel stays
// exactly on it: x(y) = (at_anchor - (y - anchor) * step) / 2^44.
struct FixedRay {
    static constexpr int kFraction = 44;
    static constexpr double kScale = 17592186044416.0;  // 2^44
    std::int64_t at_anchor = 0;
    std::int64_t step = 0;
    int anchor = 0;

    // False when the ray leaves the range the fixed point holds on rows 0..height.
    static bool make(double cx, double cy, double k, int height, FixedRay* ray) {
        if (!(std::fabs(cy) < 1048576.0))  // 2^20
            return false;
        const double anchor = std::floor(cy);
        const double x = cx + k * (cy - anchor);
        const double reach = std::fabs(x) + std::fabs(k) * (height + std::fabs(anchor) + 1.0);
        if (!(reach < 262144.0))  // 2^18: far inside the 2^19 the integer part holds
            return false;
        // Truncation is as good as rounding here: what matters is that every figure sharing the
        // ray gets the same numbers.
        ray->at_anchor = static_cast<std::int64_t>(x * kScale);
        ray->step = static_cast<std::int64_t>(k * kScale);
        ray->anchor = static_cast<int>(anchor);
        return true;
    }
    std::int64_t at(int y) const {
        return at_anchor - static_cast<std::int64_t>(y - anchor) * step;
    }
    // First column at or right of the ray, last column at or left of it.
    static int ceil_of(std::int64_t x) {
        return static_cast<int>((x + ((std::int64_t{1} << kFraction) - 1)) >> kFraction);
    }
    static int floor_of(std::int64_t x) { return static_cast<int>(x >> kFraction); }
};

// Fixed-point biases that turn floor_of into the columns a span needs.
inline constexpr std::int64_t kOneColumn = std::int64_t{1} << FixedRay::kFraction;
inline constexpr std::int64_t kToCeiling = kOneColumn - 1;  // floor(x + 1 - ulp) = ceil(x)

// Whether the cached path takes the sector of the ellipse (a, b > 0 about cx, cy) inside
// `wedge` on a picture with this clip: the wedge has straight bounds that the fixed point holds.
inline bool cached_path_suits(double cx, double cy, double a, double b, const Wedge& wedge,
                              const Clip& clip) {
    double k[2][2];
    int n[2];
    if (!(a > 0 && b > 0) || !wedge.linear_bounds(k[0], &n[0], k[1], &n[1]))
        return false;
    FixedRay ray;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < n[side]; ++i)
            if (!FixedRay::make(cx, cy, k[side][i], clip.height, &ray))
                return false;
    return true;
}

// Rows y0..y1 of a sector whose wedge is NLo rays bounding x from below and NHi from above.
template <int NLo, int NHi, typename Sink>
void cached_sector_rows(const EllipseRows& rows, const FixedRay* lo, const FixedRay* hi, int y0,
                        int y1, Sink& sink) {
    const int* first_of = rows.first();
    const int* last_of = rows.last();
    std::int64_t l0 = 0, l1 = 0, h0 = 0, h1 = 0;
    if constexpr (NLo > 0)
        l0 = lo[0].at(y0);
    if constexpr (NLo > 1)
        l1 = lo[1].at(y0);
    if constexpr (NHi > 0)
        h0 = hi[0].at(y0);
    if constexpr (NHi > 1)
        h1 = hi[1].at(y0);
    for (int y = y0; y <= y1; ++y) {
        int first = first_of[y], last = last_of[y];
        if constexpr (NLo > 0) {
            const int c = FixedRay::ceil_of(l0);
            first = c > first ? c : first;
            l0 -= lo[0].step;
        }
        if constexpr (NLo > 1) {
            const int c = FixedRay::ceil_of(l1);
            first = c > first ? c : first;
            l1 -= lo[1].step;
        }
        if constexpr (NHi > 0) {
            const int f = FixedRay::floor_of(h0);
            last = f < last ? f : last;
            h0 -= hi[0].step;
        }
        if constexpr (NHi > 1) {
            const int f = FixedRay::floor_of(h1);
            last = f < last ? f : last;
            h1 -= hi[1].step;
        }
        if (first <= last)
            sink(y, first, last);
    }
}

// Rows y0..y1 (empty when y0 > y1) on which a ray's column needs no clamping to the ellipse's.
struct InnerRows {
    int y0 = 0, y1 = -1;

    InnerRows operator&(const InnerRows& o) const {
        return {std::max(y0, o.y0), std::min(y1, o.y1)};
    }
};

// A sector of the cached rows ready to walk: its rays and the rows it reaches.
struct CachedSector {
    FixedRay lo[2], hi[2];
    int nlo = 0, nhi = 0;
    int y0 = 0, y1 = -1;  // empty when no row is drawn
    // For a sector of one ray a side, once find_inner_rows has run: the rows on which ceil(lo)
    // lies within first..last + 1 and floor(hi) within first - 1..last. Any span a band or a
    // band pair cuts with these rays then lies within the ellipse's columns.
    InnerRows lo_inner, hi_inner;
};

// Sets up the sector of the ellipse (a, b > 0 about cx, cy) inside `wedge` on the cached rows;
// false when the wedge or the ellipse does not suit the fast path.
inline bool cached_sector_setup(EllipseRows& rows, double cx, double cy, double a, double b,
                                const Wedge& wedge, const Clip& clip, CachedSector* s) {
    double lo_k[2], hi_k[2];
    if (!(a > 0 && b > 0) || !rows.fits(clip) || !wedge.linear_bounds(lo_k, &s->nlo, hi_k, &s->nhi))
        return false;
    for (int i = 0; i < s->nlo; ++i)
        if (!FixedRay::make(cx, cy, lo_k[i], clip.height, &s->lo[i]))
            return false;
    for (int i = 0; i < s->nhi; ++i)
        if (!FixedRay::make(cx, cy, hi_k[i], clip.height, &s->hi[i]))
            return false;
    s->y0 = 0, s->y1 = -1;
    if (!rows.prepare(cx, cy, a, b, clip) || !sector_rows(cy, a, b, wedge, clip, &s->y0, &s->y1))
        return true;  // no row of the picture meets the sector
    s->y0 = std::max(s->y0, rows.y0());
    s->y1 = std::min(s->y1, rows.y1());
    return true;
}

// The longest run of rows of `s` on which each of its rays keeps within the ellipse's columns
// (see CachedSector). A pie's band walks those rows without clamping.
inline void find_inner_rows(const EllipseRows& rows, CachedSector* s) {
    s->lo_inner = s->hi_inner = InnerRows{};
    if (!(s->nlo == 1 && s->nhi == 1))
        return;
    const int* first_of = rows.first();
    const int* last_of = rows.last();
    // Both rays in one walk. A column c is inside when c - lo lies within 0..last + 1 - first
    // (never negative: an empty row has last = first - 1), one unsigned compare.
    // A run is closed when a row breaks it, seldom: the loop itself only tests.
    struct Run {
        int start, best0 = 0, best1 = -1;
        void close(int y) {  // the run ends before row y
            if (y - 1 - start > best1 - best0)
                best0 = start, best1 = y - 1;
            start = y + 1;
        }
    };
    Run lo{s->y0}, hi{s->y0};
    std::int64_t l = s->lo[0].at(s->y0) + kToCeiling, h = s->hi[0].at(s->y0);
    const std::int64_t l_step = s->lo[0].step, h_step = s->hi[0].step;
    for (int y = s->y0; y <= s->y1; ++y, l -= l_step, h -= h_step) {
        const int first = first_of[y];
        const unsigned room = static_cast<unsigned>(last_of[y] + 1 - first);
        // first <= ceil(lo) <= last + 1; first - 1 <= floor(hi) <= last
        if (static_cast<unsigned>(FixedRay::floor_of(l) - first) > room) [[unlikely]]
            lo.close(y);
        if (static_cast<unsigned>(FixedRay::floor_of(h) - first + 1) > room) [[unlikely]]
            hi.close(y);
    }
    lo.close(s->y1 + 1);
    hi.close(s->y1 + 1);
    s->lo_inner = {lo.best0, lo.best1};
    s->hi_inner = {hi.best0, hi.best1};
}

// The spans of a set-up sector.
template <typename Sink>
void cached_sector_walk(const EllipseRows& rows, const CachedSector& s, Sink&& sink) {
    if (s.nlo == 1)
        cached_sector_rows<1, 1>(rows, s.lo, s.hi, s.y0, s.y1, sink);
    else if (s.nlo == 2)
        cached_sector_rows<2, 0>(rows, s.lo, s.hi, s.y0, s.y1, sink);
    else if (s.nhi == 2)
        cached_sector_rows<0, 2>(rows, s.lo, s.hi, s.y0, s.y1, sink);
    else
        cached_sector_rows<0, 0>(rows, s.lo, s.hi, s.y0, s.y1, sink);
}

// Rows y0..y1 between two rays, clipped to the ellipse, in one colour: on each row the columns
// from floor(from + from_bias) to floor(to + to_bias). On the rows of `inner` both lie within
// the ellipse's columns, so those rows are not clamped. `fill(p, n)` writes n pixels; it is
// taken by value so that what it captures (the colour) stays in a register through the loop.
template <typename Fill>
[[gnu::always_inline]] inline void fill_between(const EllipseRows& rows, const FixedRay& from,
                                                std::int64_t from_bias, const FixedRay& to,
                                                std::int64_t to_bias, int y0, int y1,
                                                InnerRows inner, std::uint32_t* pixels,
                                                std::ptrdiff_t stride, Fill fill) {
    if (y0 > y1)
        return;
    const int* first_of = rows.first();
    const int* last_of = rows.last();
    std::int64_t f = from.at(y0) + from_bias, t = to.at(y0) + to_bias;
    const std::int64_t f_step = from.step, t_step = to.step;
    std::uint32_t* row = pixels + y0 * stride;
    const auto clamped = [&](int end) {
        for (int y = y0; y <= end; ++y, row += stride, f -= f_step, t -= t_step) {
            const int first = std::max(first_of[y], FixedRay::floor_of(f));
            const int last = std::min(last_of[y], FixedRay::floor_of(t));
            if (first <= last)
                fill(row + first, last - first + 1);
        }
        y0 = std::max(y0, end + 1);
    };
    inner = inner & InnerRows{y0, y1};
    if (inner.y0 <= inner.y1) {
        clamped(inner.y0 - 1);
        for (std::uint32_t* const end = row + (inner.y1 - inner.y0 + 1) * stride; row != end;
             row += stride, f -= f_step, t -= t_step) {
            const int first = FixedRay::floor_of(f), last = FixedRay::floor_of(t);
            if (first <= last)
                fill(row + first, last - first + 1);
        }
        y0 = inner.y1 + 1;
    }
    clamped(y1);
}

// A set-up sector in one colour. A pie's band (one ray either side) is walked by fill_between:
// the ceiling's bias is folded into the lower ray once, and each row's span is written where
// it is found.
inline void cached_sector_fill(const EllipseRows& rows, const CachedSector& s,
                               std::uint32_t* pixels, std::ptrdiff_t stride, std::uint32_t pixel) {
    if (!(s.nlo == 1 && s.nhi == 1)) {
        cached_sector_walk(rows, s, [=](int y, int x0, int x1) {
            fill_pixels(pixels + y * stride + x0, x1 - x0 + 1, pixel);
        });
        return;
    }
    fill_between(rows, s.lo[0], kToCeiling, s.hi[0], 0, s.y0, s.y1, s.lo_inner & s.hi_inner, pixels,
                 stride, [pixel](std::uint32_t* p, int n) { fill_pixels(p, n, pixel); });
}

// The sector of the ellipse (a, b > 0 about cx, cy) inside `wedge` through the cached rows;
// false, having drawn nothing, when the wedge or the ellipse does not suit the fast path.
template <typename Sink>
bool cached_sector_spans(EllipseRows& rows, double cx, double cy, double a, double b,
                         const Wedge& wedge, const Clip& clip, Sink&& sink) {
    CachedSector s;
    if (!cached_sector_setup(rows, cx, cy, a, b, wedge, clip, &s))
        return false;
    cached_sector_walk(rows, s, sink);
    return true;
}

}  // namespace qd::host
