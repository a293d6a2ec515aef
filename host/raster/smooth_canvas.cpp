#include "host/raster/smooth_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qd::host {

namespace {

bool plain(const Paint& p) {
    return p.pattern == kFillSolid && p.m == 0;
}

// The sample columns k (sample x = (k + 0.5) / grid - 0.5) inside lo..hi. The bounds are
// clamped first, so rounding is a conversion and a compare rather than a library call.
bool sample_range(double lo, double hi, int grid, int limit, int* k0, int* k1) {
    const double l = std::clamp((lo + 0.5) * grid - 0.5, -1.0, limit + 1.0);
    const double h = std::clamp((hi + 0.5) * grid - 0.5, -1.0, limit + 1.0);
    if (!(l <= h))
        return false;
    const int tl = static_cast<int>(l), th = static_cast<int>(h);  // toward zero
    const int first = std::max(tl + (l > tl ? 1 : 0), 0);          // ceil
    const int last = std::min(th - (h < th ? 1 : 0), limit);       // floor
    if (first > last)
        return false;
    *k0 = first;
    *k1 = last;
    return true;
}

}  // namespace

void SmoothCanvas::clear(std::uint32_t pixel) {
    figures_.clear();
    written_ = 0;
    cleared_ = true;
    clear_pending_ = true;
    clear_pixel_ = pixel;
}

void SmoothCanvas::forget() {
    figures_.clear();
    written_ = 0;
    cleared_ = false;
    clear_pending_ = false;
}

bool SmoothCanvas::keep(const Figure& f) {
    if (figures_.size() >= kMaxFigures)
        return false;
    figures_.push_back(f);
    return true;
}

bool SmoothCanvas::add_ellipse(const EllipseFigure& f, const Pen& pen, const Brush& brush) {
    if (!(f.a >= 0 && f.b >= 0))
        return true;
    const bool closed = f.whole || (f.start_radius && f.end_radius);
    const bool fills = brush.visible && closed && !f.empty_sector;
    const bool outlines = pen.draws();
    if ((outlines && !(f.whole && !pen.patterned() && plain(pen.paint))) ||
        (fills && !plain(brush.paint)) || figures_.size() + 2 > kMaxFigures)
        return false;
    const PixelRect bounds = ellipse_bounds(f, pen);
    if (fills && f.a > 0 && f.b > 0) {
        Figure s{Kind::Sector, brush.paint.a, bounds};
        s.cx = f.cx, s.cy = f.cy, s.a = f.a, s.b = f.b;
        s.wedge = f.wedge();
        keep(s);
    }
    if (outlines) {
        const double w = pen.width;
        const double out = pen.style == kDrawInsideSolid ? 0 : w / 2;
        const double in = pen.style == kDrawInsideSolid ? w : w / 2;
        Figure r{Kind::Ring, pen.paint.a, bounds};
        r.cx = f.cx, r.cy = f.cy, r.a = f.a + out, r.b = f.b + out;
        r.ai = f.a - in, r.bi = f.b - in;
        keep(r);
    }
    return true;
}

bool SmoothCanvas::add_box(double x1, double y1, double x2, double y2, const Pen& pen,
                           const Brush& brush) {
    const bool outline = pen.draws();
    if ((outline && (pen.patterned() || !plain(pen.paint))) ||
        (brush.visible && !plain(brush.paint)) || figures_.size() + 2 > kMaxFigures)
        return false;
    // The box covers its corner pixels whole: its edges lie half a pixel outside the corners.
    const double l = std::min(x1, x2) - 0.5, r = std::max(x1, x2) + 0.5;
    const double t = std::min(y1, y2) - 0.5, b = std::max(y1, y2) + 0.5;
    if (outline && !brush.visible)
        return false;  // a hollow box: drawn at once (its hole keeps what is under it)
    const PixelRect bounds = box_bounds(x1, y1, x2, y2, pen);
    const double w = pen.width;
    const double grow = outline && pen.style != kDrawInsideSolid ? (w - 1) / 2 : 0;
    Figure box{Kind::Rect, outline ? pen.paint.a : brush.paint.a, bounds};
    box.x0 = l - grow, box.y0 = t - grow, box.x1 = r + grow, box.y1 = b + grow;
    if (outline || brush.visible)
        keep(box);
    if (outline && brush.visible && brush.paint.a != pen.paint.a) {
        Figure hole = box;
        hole.pixel = brush.paint.a;
        hole.x0 += w, hole.y0 += w, hole.x1 -= w, hole.y1 -= w;
        if (hole.x0 < hole.x1 && hole.y0 < hole.y1)
            keep(hole);
    }
    return true;
}

int SmoothCanvas::sample_spans(const Figure& f, double y, double sector_hw, int out[4]) const {
    const int limit = 1 << 28;
    int n = 0, k0, k1;
    const auto add = [&](double lo, double hi) {
        if (sample_range(lo, hi, kGrid, limit, &k0, &k1))
            out[n++] = k0, out[n++] = k1;
    };
    switch (f.kind) {
        case Kind::Rect:
            if (y >= f.y0 && y <= f.y1)
                add(f.x0, f.x1);
            return n / 2;
        case Kind::Sector: {
            const double hw = sector_hw;
            if (hw < 0)
                return 0;
            Interval parts[2];
            const int np = f.wedge.row(f.cy - y, parts);
            for (int i = 0; i < np; ++i) {
                const Interval iv = intersect(parts[i], {-hw, hw});
                if (!iv.empty())
                    add(f.cx + iv.lo, f.cx + iv.hi);
            }
            return n / 2;
        }
        case Kind::Ring: {
            const double ho = ellipse_half_width(f.a, f.b, y - f.cy);
            if (ho < 0)
                return 0;
            const double hi = f.ai > 0 && f.bi > 0 ? ellipse_half_width(f.ai, f.bi, y - f.cy) : -1;
            if (hi <= 0) {
                add(f.cx - ho, f.cx + ho);
            } else {
                add(f.cx - ho, f.cx - hi);
                add(f.cx + hi, f.cx + ho);
            }
            return n / 2;
        }
    }
    return 0;
}

void SmoothCanvas::flush(Image& image) {
    if (!pending())
        return;
    PixelRect region;
    if (clear_pending_) {
        region = {0, 0, image.width, image.height};
    } else {
        for (std::size_t i = written_; i < figures_.size(); ++i)
            region.unite(figures_[i].bounds);
    }
    region = region.clipped(image.width, image.height);
    // After a clear every figure since is known: the region is drawn afresh from all of them.
    // Without one, the new figures are blended over what the picture holds.
    if (!region.empty())
        render(image, region, cleared_ ? 0 : written_, cleared_);
    written_ = figures_.size();
    clear_pending_ = false;
}

bool SmoothCanvas::uniform(int x, int row_samples, std::uint16_t owner) const {
    // Eight samples of a sub-row are two 64-bit words.
    static_assert(kGrid == 8);
    const std::uint64_t pattern = owner * 0x0001000100010001ull;
    for (int s = 0; s < kGrid; ++s) {
        const std::uint16_t* sub =
            owners_.data() + static_cast<std::size_t>(s) * row_samples + x * kGrid;
        std::uint64_t a, b;
        std::memcpy(&a, sub, 8);
        std::memcpy(&b, sub + 4, 8);
        if ((a ^ pattern) | (b ^ pattern))
            return false;
    }
    return true;
}

void SmoothCanvas::render(Image& image, const PixelRect& region, std::size_t from,
                          bool over_clear) {
    const int w = region.width;
    const int row_samples = w * kGrid;
    owners_.assign(static_cast<std::size_t>(row_samples) * kGrid, 0);
    // Owner 0 is no figure (what was under them), owner i + 1 is figure i.
    colours_.resize(figures_.size() + 1);
    for (std::size_t i = 0; i < figures_.size(); ++i)
        colours_[i + 1] = figures_[i].pixel;
    const int k_base = region.x * kGrid;
    for (int y = region.y; y < region.bottom(); ++y) {
        std::fill(owners_.begin(), owners_.end(), std::uint16_t{0});
        // The sectors of a pie share one ellipse: its half-widths on the sub-rows are worked
        // out once a row.
        double hw[kGrid] = {};
        const Figure* hw_of = nullptr;
        for (std::size_t i = from; i < figures_.size(); ++i) {
            const Figure& f = figures_[i];
            if (y < f.bounds.y || y >= f.bounds.bottom() || f.bounds.x >= region.right() ||
                f.bounds.right() <= region.x)
                continue;
            if (f.kind == Kind::Sector && !(hw_of && hw_of->cx == f.cx && hw_of->cy == f.cy &&
                                            hw_of->a == f.a && hw_of->b == f.b)) {
                for (int s = 0; s < kGrid; ++s)
                    hw[s] = ellipse_half_width(f.a, f.b, y - 0.5 + (s + 0.5) / kGrid - f.cy);
                hw_of = &f;
            }
            const auto owner = static_cast<std::uint16_t>(i + 1);
            for (int s = 0; s < kGrid; ++s) {
                const double ys = y - 0.5 + (s + 0.5) / kGrid;
                int spans[4];
                const int n = sample_spans(f, ys, hw[s], spans);
                std::uint16_t* sub = owners_.data() + static_cast<std::size_t>(s) * row_samples;
                for (int k = 0; k < n; ++k) {
                    const int a = std::max(spans[2 * k] - k_base, 0);
                    const int b = std::min(spans[2 * k + 1] - k_base, row_samples - 1);
                    if (a <= b)
                        std::fill(sub + a, sub + b + 1, owner);
                }
            }
        }
        blend_row(image.row(y) + region.x, w, row_samples, over_clear);
    }
}

void SmoothCanvas::blend_row(std::uint32_t* row, int w, int row_samples, bool over_clear) {
    const std::uint32_t* colours = colours_.data();
    for (int x = 0; x < w; ++x) {
        colours_[0] = over_clear ? clear_pixel_ : row[x];
        const std::uint16_t first = owners_[static_cast<std::size_t>(x) * kGrid];
        if (uniform(x, row_samples, first)) {  // inside one figure or none: no edge here
            row[x] = colours[first];
            continue;
        }
        // Red and blue side by side in one word, green in another: 64 samples of 255 fit.
        std::uint32_t rb = 0, g = 0;
        for (int s = 0; s < kGrid; ++s) {
            const std::uint16_t* sub =
                owners_.data() + static_cast<std::size_t>(s) * row_samples + x * kGrid;
            for (int k = 0; k < kGrid; ++k) {
                const std::uint32_t p = colours[sub[k]];
                rb += p & 0xFF00FF;
                g += p & 0xFF00;
            }
        }
        constexpr std::uint32_t n = kGrid * kGrid;
        const std::uint32_t r = ((rb & 0xFFFF) + n / 2) / n, b = ((rb >> 16) + n / 2) / n;
        row[x] = r | ((((g >> 8) + n / 2) / n) << 8) | (b << 16);
    }
}

}  // namespace qd::host
