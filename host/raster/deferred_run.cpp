#include "host/raster/deferred_run.h"

#include <algorithm>
#include <cstring>

#include "host/raster/band_pairs.h"
#include "host/raster/paint.h"

namespace qd::host {

DeferredRun::DeferredRun() {
    ops_.reserve(kMaxOps);
    wedges_.reserve(kMaxOps);
}

void DeferredRun::discard() {
    ops_.clear();
    rects_.clear();
    wedges_.clear();
    clear_pending_ = false;
    has_sectors_ = false;
    rects_only_ = true;
}

void DeferredRun::clear(std::uint32_t pixel) {
    ops_.clear();
    rects_.clear();
    wedges_.clear();
    has_sectors_ = false;
    rects_only_ = true;
    clear_pending_ = true;
    clear_pixel_ = pixel;
}

void DeferredRun::move_rects_to_ops() {
    for (const Rect& r : rects_) {
        Op& op = ops_.emplace_back();
        op.kind = Kind::Rect;
        op.pixel = r.pixel;
        op.x0 = r.x0, op.x1 = r.x1, op.y0 = r.y0, op.y1 = r.y1;
    }
    rects_.clear();
}

bool DeferredRun::takes_ellipse(double cx, double cy, double a, double b) const {
    return !has_sectors_ || (cx == ecx_ && cy == ecy_ && a == ea_ && b == eb_);
}

bool DeferredRun::add_sector(const CachedSector& s, double cx, double cy, double a, double b,
                             std::uint32_t pixel) {
    if (!room() || !takes_ellipse(cx, cy, a, b))
        return false;
    if (s.y0 > s.y1)
        return true;  // nothing to draw
    Op op;
    op.kind = Kind::Sector;
    op.pixel = pixel;
    op.nlo = s.nlo, op.nhi = s.nhi;
    std::copy(s.lo, s.lo + 2, op.lo);
    std::copy(s.hi, s.hi + 2, op.hi);
    op.lo_inner = s.lo_inner, op.hi_inner = s.hi_inner;
    op.y0 = s.y0, op.y1 = s.y1;
    has_sectors_ = true;
    rects_only_ = false;
    ecx_ = cx, ecy_ = cy, ea_ = a, eb_ = b;
    ops_.push_back(op);
    return true;
}

bool DeferredRun::add_wedge(double cx, double cy, double a, double b, const Wedge& wedge,
                            const Clip& clip, std::uint32_t pixel) {
    if (!room())
        return false;
    Op op;
    op.kind = Kind::Wedge;
    op.pixel = pixel;
    op.cx = cx, op.cy = cy, op.ao = a, op.bo = b;
    if (!(a >= 0 && b >= 0) || !sector_rows(cy, a, b, wedge, clip, &op.y0, &op.y1))
        return true;
    op.wedge = static_cast<int>(wedges_.size());
    wedges_.push_back(wedge);
    rects_only_ = false;
    ops_.push_back(op);
    return true;
}

bool DeferredRun::add_ring(double cx, double cy, double ao, double bo, double ai, double bi,
                           const Clip& clip, std::uint32_t pixel) {
    if (!room())
        return false;
    Op op;
    op.kind = Kind::Ring;
    op.pixel = pixel;
    op.cx = cx, op.cy = cy, op.ao = ao, op.bo = bo, op.ai = ai, op.bi = bi;
    if (!(ao >= 0 && bo >= 0) || !row_range(cy, bo, clip, &op.y0, &op.y1))
        return true;
    rects_only_ = false;
    ops_.push_back(op);
    return true;
}

int DeferredRun::op_spans(const Op& op, int y, const EllipseRows& rows, int width,
                          Span out[2]) const {
    switch (op.kind) {
        case Kind::Rect:
            out[0] = {op.x0, op.x1};
            return 1;
        case Kind::Sector: {
            // The cached path's row: the ellipse's columns cut by the rays.
            int first = rows.first()[y], last = rows.last()[y];
            for (int i = 0; i < op.nlo; ++i)
                first = std::max(first, FixedRay::ceil_of(op.lo[i].at(y)));
            for (int i = 0; i < op.nhi; ++i)
                last = std::min(last, FixedRay::floor_of(op.hi[i].at(y)));
            out[0] = {first, last};
            return first <= last ? 1 : 0;
        }
        case Kind::Wedge: {
            int spans[4];
            const int n =
                sector_row(op.cx, op.cy, op.ao, op.bo, wedges_[op.wedge], width, y, spans);
            for (int i = 0; i < n; ++i)
                out[i] = {spans[2 * i], spans[2 * i + 1]};
            return n;
        }
        case Kind::Ring: {
            // The border ring's rows, kept with the ellipse's when they are this ring's.
            if (rows.ring().holds(op.cx, op.cy, op.ao, op.bo, op.ai, op.bi, width)) {
                int spans[4];
                const int n = rows.ring().row(y, spans);
                for (int i = 0; i < n; ++i)
                    out[i] = {spans[2 * i], spans[2 * i + 1]};
                return n;
            }
            // ring_spans' row for the whole turn.
            const double dy = y - op.cy;
            const double ho = ellipse_half_width(op.ao, op.bo, dy);
            if (ho < 0)
                return 0;
            const bool hole = op.ai > 0 && op.bi > 0;
            const double hi = hole ? ellipse_half_width(op.ai, op.bi, dy) : -1;
            int n = 0, x0, x1;
            if (hi <= 0) {
                if (pixel_range(op.cx, {-ho, ho}, width, &x0, &x1))
                    out[n++] = {x0, x1};
                return n;
            }
            if (pixel_range(op.cx, {-ho, -hi}, width, &x0, &x1))
                out[n++] = {x0, x1};
            if (pixel_range(op.cx, {hi, ho}, width, &x0, &x1))
                out[n++] = {x0, x1};
            return n;
        }
    }
    return 0;
}

namespace {

// Paints columns f..l of `row` except next_f..next_l (empty when next_f > next_l).
inline void fill_outside(std::uint32_t* row, int f, int l, int next_f, int next_l,
                         std::uint32_t pixel) {
    if (next_f > next_l || next_l < f || next_f > l) {
        fill_pixels(row + f, l - f + 1, pixel);
        return;
    }
    fill_pixels(row + f, next_f - f, pixel);
    fill_pixels(row + next_l + 1, l - next_l, pixel);
}

}  // namespace

namespace {

// The rays of a cached sector stepped row by row, two of each side; a missing ray never cuts.
struct RayCursor {
    std::int64_t lo[2], hi[2], lo_step[2] = {0, 0}, hi_step[2] = {0, 0};

    RayCursor(const FixedRay* l, int nl, const FixedRay* h, int nh, int y) {
        constexpr std::int64_t kFar = std::int64_t{1} << 61;
        lo[0] = lo[1] = -kFar;
        hi[0] = hi[1] = kFar;
        for (int i = 0; i < nl; ++i)
            lo[i] = l[i].at(y), lo_step[i] = l[i].step;
        for (int i = 0; i < nh; ++i)
            hi[i] = h[i].at(y), hi_step[i] = h[i].step;
    }
    // Cuts the row's columns first..last by the rays and moves to the next row.
    void cut(int* first, int* last) {
        *first = std::max({*first, FixedRay::ceil_of(lo[0]), FixedRay::ceil_of(lo[1])});
        *last = std::min({*last, FixedRay::floor_of(hi[0]), FixedRay::floor_of(hi[1])});
        lo[0] -= lo_step[0], lo[1] -= lo_step[1];
        hi[0] -= hi_step[0], hi[1] -= hi_step[1];
    }
};

}  // namespace

void DeferredRun::paint_band_pair(Image& image, const Op& op, const Op& next, int y0, int y1,
                                  const EllipseRows& rows) {
    std::uint32_t* const pixels = image.pixels.data();
    const std::ptrdiff_t stride = image.width;
    const std::uint32_t pixel = op.pixel;
    const int* first_of = rows.first();
    const int* last_of = rows.last();
    if (op.nlo == 1 && op.nhi == 1 && next.nlo == 1 && next.nhi == 1) {
        // A pie's bands: what stays of this one lies between the two start rays.
        const BandRays band{op.lo[0], op.hi[0], op.y0, op.y1, op.lo_inner, op.hi_inner};
        const BandRays after{next.lo[0], next.hi[0],    next.y0,
                             next.y1,    next.lo_inner, next.hi_inner};
        if (fill_band_less_next(rows, band, after, y0, y1, pixels, stride,
                                [pixel](std::uint32_t* p, int n) { fill_long(p, n, pixel); }))
            return;
    }
    RayCursor own(op.lo, op.nlo, op.hi, op.nhi, y0);
    RayCursor over(next.lo, next.nlo, next.hi, next.nhi, y0);
    for (int y = y0; y <= y1; ++y) {
        int f = first_of[y], l = last_of[y], nf = f, nl = l;
        own.cut(&f, &l);
        over.cut(&nf, &nl);
        if (f > l)
            continue;
        if (y < next.y0 || y > next.y1)
            nf = 1, nl = 0;
        fill_outside(pixels + y * stride, f, l, nf, nl, pixel);
    }
}

void DeferredRun::paint_rows(Image& image, const Op& op, const Op* next, int y0, int y1,
                             const EllipseRows& rows) const {
    if (op.kind == Kind::Sector && next && next->kind == Kind::Sector) {
        // A band followed by the next band of the pie: both walked together, row by row.
        paint_band_pair(image, op, *next, y0, y1, rows);
        return;
    }
    const std::uint32_t pixel = op.pixel;
    std::uint32_t* const pixels = image.pixels.data();
    const std::size_t stride = static_cast<std::size_t>(image.width);
    const int width = image.width;
    // Otherwise only a figure of one span a row is left out: a sector of the cached rows or a
    // rect.
    if (next && next->kind != Kind::Sector && next->kind != Kind::Rect)
        next = nullptr;
    auto sink = [&, pixels, stride, pixel](int y, int x0, int x1) {
        std::uint32_t* row = pixels + y * stride;
        Span over;
        if (next && y >= next->y0 && y <= next->y1 && op_spans(*next, y, rows, width, &over))
            fill_outside(row, x0, x1, over.x0, over.x1, pixel);
        else
            fill_pixels(row + x0, x1 - x0 + 1, pixel);
    };
    if (op.kind == Kind::Sector) {
        if (op.nlo == 1)
            cached_sector_rows<1, 1>(rows, op.lo, op.hi, y0, y1, sink);
        else if (op.nlo == 2)
            cached_sector_rows<2, 0>(rows, op.lo, op.hi, y0, y1, sink);
        else if (op.nhi == 2)
            cached_sector_rows<0, 2>(rows, op.lo, op.hi, y0, y1, sink);
        else
            cached_sector_rows<0, 0>(rows, op.lo, op.hi, y0, y1, sink);
        return;
    }
    Span spans[2];
    for (int y = y0; y <= y1; ++y) {
        const int n = op_spans(op, y, rows, width, spans);
        for (int k = 0; k < n; ++k)
            sink(y, spans[k].x0, spans[k].x1);
    }
}

template <typename Rects>
bool DeferredRun::write_rect_rows(Image& image, int y0, int y1, const Rects& rects) const {
    // The rows where the set of rects changes, in order.
    constexpr int kMaxKinds = 32;
    int breaks[kMaxKinds + 1] = {y0};
    int n = 1;
    const auto add_break = [&](int y) {
        int i = 0;
        while (i < n && breaks[i] < y)
            ++i;
        if (i < n && breaks[i] == y)
            return true;
        if (n > kMaxKinds)
            return false;
        for (int k = n; k > i; --k)
            breaks[k] = breaks[k - 1];
        breaks[i] = y;
        ++n;
        return true;
    };
    int last_y0 = y0, last_y1 = y0 - 1;  // the rows of the rect before: bands share theirs
    for (const auto& op : rects) {
        if (op.y0 == last_y0 && op.y1 == last_y1)
            continue;
        if (!add_break(op.y0) || !add_break(op.y1 + 1))
            return false;
        last_y0 = op.y0, last_y1 = op.y1;
    }
    const std::size_t row_bytes = static_cast<std::size_t>(image.width) * sizeof(std::uint32_t);
    for (int k = 0; k < n && breaks[k] <= y1; ++k) {
        const int from = breaks[k], to = k + 1 < n ? std::min(breaks[k + 1] - 1, y1) : y1;
        std::uint32_t* row = image.row(from);
        if (clear_pending_)
            fill_long(row, image.width, clear_pixel_);
        for (const auto& op : rects)
            if (from >= op.y0 && from <= op.y1)
                fill_pixels(row + op.x0, op.x1 - op.x0 + 1, op.pixel);
        for (int y = from + 1; y <= to; ++y)
            std::memcpy(image.row(y), row, row_bytes);
    }
    return true;
}

void DeferredRun::flush(Image& image, const EllipseRows& rows) {
    if (empty())
        return;
    if (!image.empty()) {
        // Rects are held either all compactly or all as figures.
        if (rects_only_ && clear_pending_ &&
            (ops_.empty() ? write_rect_rows(image, 0, image.height - 1, rects_)
                          : write_rect_rows(image, 0, image.height - 1, ops_))) {
            discard();
            return;
        }
        move_rects_to_ops();
        int y0 = image.height, y1 = -1;
        if (clear_pending_)
            y0 = 0, y1 = image.height - 1;
        for (const Op& op : ops_)
            y0 = std::min(y0, op.y0), y1 = std::max(y1, op.y1);
        // Blocks of rows that stay in the first-level cache while every figure paints its part:
        // memory sees each pixel written once.
        constexpr int kBlockBytes = 256 * 1024;
        const int block = std::max(1, kBlockBytes / (4 * image.width));
        for (int b0 = y0; b0 <= y1; b0 += block) {
            const int b1 = std::min(y1, b0 + block - 1);
            if (clear_pending_)
                for (int y = b0; y <= b1; ++y)
                    fill_long(image.row(y), image.width, clear_pixel_);
            for (std::size_t k = 0; k < ops_.size(); ++k) {
                const Op& op = ops_[k];
                const int r0 = std::max(op.y0, b0), r1 = std::min(op.y1, b1);
                if (r0 <= r1)
                    paint_rows(image, op, k + 1 < ops_.size() ? &ops_[k + 1] : nullptr, r0, r1,
                               rows);
            }
        }
    }
    discard();
}

}  // namespace qd::host
