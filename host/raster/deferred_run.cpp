#include "host/raster/deferred_run.h"

#include <algorithm>

#include "host/raster/paint.h"

namespace qd::host {

DeferredRun& DeferredRun::shared() {
    thread_local DeferredRun run;
    return run;
}

DeferredRun::DeferredRun() {
    ops_.reserve(kMaxOps);
}

void DeferredRun::discard() {
    ops_.clear();
    clear_pending_ = false;
    has_sectors_ = false;
}

void DeferredRun::clear(std::uint32_t pixel) {
    ops_.clear();
    has_sectors_ = false;
    clear_pending_ = true;
    clear_pixel_ = pixel;
}

bool DeferredRun::takes_ellipse(double cx, double cy, double a, double b) const {
    return !has_sectors_ || (cx == ecx_ && cy == ecy_ && a == ea_ && b == eb_);
}

bool DeferredRun::add_sector(const EllipseRows& rows, double cx, double cy, double a, double b,
                             const Wedge& wedge, const Clip& clip, std::uint32_t pixel) {
    if (!room() || !takes_ellipse(cx, cy, a, b))
        return false;
    Op op{};
    op.kind = Kind::Sector;
    op.pixel = pixel;
    double lo_k[2], hi_k[2];
    if (!wedge.linear_bounds(lo_k, &op.nlo, hi_k, &op.nhi))
        return false;
    for (int i = 0; i < op.nlo; ++i)
        if (!FixedRay::make(cx, cy, lo_k[i], clip.height, &op.lo[i]))
            return false;
    for (int i = 0; i < op.nhi; ++i)
        if (!FixedRay::make(cx, cy, hi_k[i], clip.height, &op.hi[i]))
            return false;
    // The rows the sector reaches, as the cached path takes them.
    double up, down;
    wedge.vertical_reach(a, b, &up, &down);
    if (up < 0 || !pixel_range(cy, {-std::min(b, up + 1e-9), std::min(b, down + 1e-9)}, clip.height,
                               &op.y0, &op.y1))
        return true;  // nothing to draw
    op.y0 = std::max(op.y0, rows.y0());
    op.y1 = std::min(op.y1, rows.y1());
    if (op.y0 > op.y1)
        return true;
    has_sectors_ = true;
    ecx_ = cx, ecy_ = cy, ea_ = a, eb_ = b;
    ops_.push_back(op);
    return true;
}

bool DeferredRun::add_ring(double cx, double cy, double ao, double bo, double ai, double bi,
                           const Clip& clip, std::uint32_t pixel) {
    if (!room())
        return false;
    Op op{};
    op.kind = Kind::Ring;
    op.pixel = pixel;
    op.cx = cx, op.cy = cy, op.ao = ao, op.bo = bo, op.ai = ai, op.bi = bi;
    if (!(ao >= 0 && bo >= 0) || !row_range(cy, bo, clip, &op.y0, &op.y1))
        return true;
    ops_.push_back(op);
    return true;
}

bool DeferredRun::add_rect(int x0, int y0, int x1, int y1, std::uint32_t pixel) {
    if (!room())
        return false;
    if (x0 > x1 || y0 > y1)
        return true;
    Op op{};
    op.kind = Kind::Rect;
    op.pixel = pixel;
    op.x0 = x0, op.x1 = x1, op.y0 = y0, op.y1 = y1;
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
        case Kind::Ring: {
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

void DeferredRun::paint_rows(Image& image, const Op& op, int y0, int y1,
                             const EllipseRows& rows) const {
    const std::uint32_t pixel = op.pixel;
    if (op.kind == Kind::Rect) {
        for (int y = y0; y <= y1; ++y)
            fill_pixels(image.row(y) + op.x0, op.x1 - op.x0 + 1, pixel);
        return;
    }
    if (op.kind == Kind::Ring) {
        Span spans[2];
        for (int y = y0; y <= y1; ++y) {
            const int n = op_spans(op, y, rows, image.width, spans);
            for (int k = 0; k < n; ++k)
                fill_pixels(image.row(y) + spans[k].x0, spans[k].x1 - spans[k].x0 + 1, pixel);
        }
        return;
    }
    std::uint32_t* const pixels = image.pixels.data();
    const std::size_t stride = static_cast<std::size_t>(image.width);
    auto sink = [=](int y, int x0, int x1) {
        fill_pixels(pixels + y * stride + x0, x1 - x0 + 1, pixel);
    };
    if (op.nlo == 1)
        cached_sector_rows<1, 1>(rows, op.lo, op.hi, y0, y1, sink);
    else if (op.nlo == 2)
        cached_sector_rows<2, 0>(rows, op.lo, op.hi, y0, y1, sink);
    else if (op.nhi == 2)
        cached_sector_rows<0, 2>(rows, op.lo, op.hi, y0, y1, sink);
    else
        cached_sector_rows<0, 0>(rows, op.lo, op.hi, y0, y1, sink);
}

void DeferredRun::flush(Image& image, const EllipseRows& rows) {
    if (empty())
        return;
    if (!image.empty()) {
        int y0 = image.height, y1 = -1;
        if (clear_pending_)
            y0 = 0, y1 = image.height - 1;
        for (const Op& op : ops_)
            y0 = std::min(y0, op.y0), y1 = std::max(y1, op.y1);
        // Blocks of rows that stay in the first-level cache while every figure paints its part:
        // memory sees each pixel written once.
        constexpr int kBlockBytes = 32 * 1024;
        const int block = std::max(1, kBlockBytes / (4 * image.width));
        for (int b0 = y0; b0 <= y1; b0 += block) {
            const int b1 = std::min(y1, b0 + block - 1);
            if (clear_pending_)
                for (int y = b0; y <= b1; ++y)
                    fill_pixels(image.row(y), image.width, clear_pixel_);
            for (const Op& op : ops_) {
                const int r0 = std::max(op.y0, b0), r1 = std::min(op.y1, b1);
                if (r0 <= r1)
                    paint_rows(image, op, r0, r1, rows);
            }
        }
    }
    discard();
}

}  // namespace qd::host
