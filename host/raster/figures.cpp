#include "host/raster/figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/raster/box_edges.h"
#include "host/raster/coverage.h"
#include "host/raster/deferred_run.h"
#include "host/raster/ellipse_rows.h"
#include "host/raster/sector_setups.h"

namespace qd::host {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

Clip clip_of(const Image& image) {
    return {image.width, image.height};
}

// Paints the pen over a span; a patterned pen asks `pos(x, y)` where along its path a pixel is.
template <typename Position>
void pen_span(Image& image, const Pen& pen, int y, int x0, int x1, Position&& pos) {
    std::uint32_t* row = image.row(y);
    if (!pen.patterned()) {
        paint_span(row, y, x0, x1, pen.paint);
        return;
    }
    for (int x = x0; x <= x1; ++x)
        if (pen_pattern_on(pen.style, pos(x, y)))
            row[x] = pen.paint.apply(row[x]);
}

// The end point on the ellipse of the ray from the centre in direction (c, s).
void ray_end(const EllipseFigure& f, double c, double s, double* x, double* y) {
    const double ca = f.a > 0 ? c / f.a : 0, sb = f.b > 0 ? s / f.b : 0;
    const double q = ca * ca + sb * sb;
    const double t = q > 0 ? 1 / std::sqrt(q) : 0;
    *x = f.cx + t * c;
    *y = f.cy - t * s;
}

void draw_radius(Image& image, const EllipseFigure& f, double c, double s, const Pen& pen) {
    double ex, ey;
    ray_end(f, c, s, &ex, &ey);
    const double half = pen.width / 2.0;
    const double len = std::hypot(ex - f.cx, ey - f.cy);
    const double ux = len > 0 ? (ex - f.cx) / len : 0, uy = len > 0 ? (ey - f.cy) / len : 0;
    stroke_spans(f.cx, f.cy, ex, ey, half, 0.5, clip_of(image), [&](int y, int x0, int x1) {
        pen_span(image, pen, y, x0, x1,
                 [&](int x, int yy) { return (x - f.cx) * ux + (yy - f.cy) * uy; });
    });
}

// The ellipses an outline lies between: centred on the figure's edge, or all inside it for the
// inside style.
struct RingAxes {
    double ao, bo, ai, bi;
};

RingAxes ring_axes(const EllipseFigure& f, const Pen& pen) {
    const double w = pen.width;
    const double out = pen.style == kDrawInsideSolid ? 0 : w / 2;
    const double in = pen.style == kDrawInsideSolid ? w : w / 2;
    return {f.a + out, f.b + out, f.a - in, f.b - in};
}

void draw_arc(Image& image, const EllipseFigure& f, const Wedge& wedge, const Pen& pen,
              EllipseRows* rows) {
    const RingAxes r = ring_axes(f, pen);
    // A whole ring in a pen without a pattern (a pie's border) is kept: the next full pass draws
    // the same one.
    if (rows && f.whole && !pen.patterned() &&
        rows->ring().prepare(f.cx, f.cy, r.ao, r.bo, r.ai, r.bi, clip_of(image))) {
        rows->ring().walk(
            [&](int y, int x0, int x1) { paint_span(image.row(y), y, x0, x1, pen.paint); });
        return;
    }
    const double mean_radius = (f.a + f.b) / 2;
    const double from = f.whole ? 0 : f.start;
    ring_spans(f.cx, f.cy, r.ao, r.bo, r.ai, r.bi, wedge, clip_of(image),
               [&](int y, int x0, int x1) {
                   pen_span(image, pen, y, x0, x1, [&](int x, int yy) {
                       // Only patterned pens come here: the one per-pixel angle of the surface.
                       double t = std::atan2(f.cy - yy, x - f.cx) - from;
                       if (t < 0)
                           t += kTwoPi;
                       return t * mean_radius;
                   });
               });
}

// The interior of a sector or ellipse, through the cached rows where the figure suits them.
template <typename Sink>
void fill_sector(const Image& image, const EllipseFigure& f, const Wedge& wedge, EllipseRows* rows,
                 Sink&& sink) {
    const Clip clip = clip_of(image);
    if (rows && cached_sector_spans(*rows, f.cx, f.cy, f.a, f.b, wedge, clip, sink))
        return;
    sector_spans(f.cx, f.cy, f.a, f.b, wedge, clip, sink);
}

// Paints rows y0..y1, columns x0..x1 of the picture, clipped.
template <typename Painter>
void rect_spans(const Image& image, long long x0, long long y0, long long x1, long long y1,
                Painter&& paint) {
    const long long cx0 = std::max(x0, 0LL), cx1 = std::min<long long>(x1, image.width - 1);
    const long long cy0 = std::max(y0, 0LL), cy1 = std::min<long long>(y1, image.height - 1);
    if (cx0 > cx1 || cy0 > cy1)
        return;
    for (long long y = cy0; y <= cy1; ++y)
        paint(static_cast<int>(y), static_cast<int>(cx0), static_cast<int>(cx1));
}

// Rows y0..y1, columns x0..x1 of the picture, clipped, in one colour: the same run on every row.
void fill_rect(Image& image, long long x0, long long y0, long long x1, long long y1,
               std::uint32_t pixel) {
    const long long cx0 = std::max(x0, 0LL), cx1 = std::min<long long>(x1, image.width - 1);
    const long long cy0 = std::max(y0, 0LL), cy1 = std::min<long long>(y1, image.height - 1);
    if (cx0 > cx1 || cy0 > cy1)
        return;
    const int n = static_cast<int>(cx1 - cx0 + 1);
    std::uint32_t* p = image.row(static_cast<int>(cy0)) + cx0;
    for (long long y = cy0; y <= cy1; ++y, p += image.width)
        fill_pixels(p, n, pixel);
}

// The pixels within `pad` of the points (x[i], y[i]).
PixelRect bounds_of(const double* xs, const double* ys, int n, double pad) {
    static constexpr double kReach = 1 << 24;  // beyond any picture, within int
    double x0 = kReach, y0 = kReach, x1 = -kReach, y1 = -kReach;
    for (int i = 0; i < n; ++i) {
        x0 = std::min(x0, xs[i]), x1 = std::max(x1, xs[i]);
        y0 = std::min(y0, ys[i]), y1 = std::max(y1, ys[i]);
    }
    // Within the reach, floor and ceil are a conversion and a compare.
    const auto floor_of = [](double v) {
        v = std::clamp(v, -kReach, kReach);
        const auto t = static_cast<long long>(v);
        return t - (v < static_cast<double>(t) ? 1 : 0);
    };
    const auto ceil_of = [](double v) {
        v = std::clamp(v, -kReach, kReach);
        const auto t = static_cast<long long>(v);
        return t + (v > static_cast<double>(t) ? 1 : 0);
    };
    return PixelRect::spanning(floor_of(x0 - pad), floor_of(y0 - pad), ceil_of(x1 + pad),
                               ceil_of(y1 + pad));
}

// A pen's reach beyond the figure's edge, with a pixel to spare for rounding.
double pen_pad(const Pen& pen) {
    return (pen.draws() ? pen.width : 0) + 1.0;
}

}  // namespace

PixelRect ellipse_bounds(const EllipseFigure& f, const Pen& pen) {
    if (!(f.a >= 0 && f.b >= 0))
        return {};
    if (f.whole) {
        const double xs[] = {f.cx - f.a, f.cx + f.a}, ys[] = {f.cy - f.b, f.cy + f.b};
        return bounds_of(xs, ys, 2, pen_pad(pen));
    }
    // The centre, both ends of the arc, and each axis end the arc passes.
    double xs[7] = {f.cx}, ys[7] = {f.cy};
    ray_end(f, f.start_cos, f.start_sin, &xs[1], &ys[1]);
    ray_end(f, f.end_cos, f.end_sin, &xs[2], &ys[2]);
    int n = 3;
    double sweep = f.end - f.start;
    if (sweep < 0)
        sweep += kTwoPi;
    for (int quarter = 0; quarter < 4 && !f.empty_sector; ++quarter) {
        double d = quarter * (kTwoPi / 4) - f.start;
        if (d < 0)
            d += kTwoPi;
        if (d > sweep)
            continue;
        xs[n] = f.cx + (quarter == 0 ? f.a : quarter == 2 ? -f.a : 0);
        ys[n] = f.cy + (quarter == 1 ? -f.b : quarter == 3 ? f.b : 0);
        ++n;
    }
    return bounds_of(xs, ys, n, pen_pad(pen));
}

PixelRect box_bounds(double x1, double y1, double x2, double y2, const Pen& pen) {
    const double pad = pen_pad(pen) + 0.5;
    PixelRect near;
    if (box_bounds_near(x1, y1, x2, y2, pad, &near))
        return near;
    const double xs[] = {x1, x2}, ys[] = {y1, y2};
    return bounds_of(xs, ys, 2, pad);
}

bool pen_pattern_on(int style, double pos) {
    // Runs of on, off, on, off ... pixels, repeating.
    static constexpr int kDash[] = {18, 6};
    static constexpr int kDot[] = {3, 3};
    static constexpr int kDashDot[] = {9, 6, 3, 6};
    static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
    const int* runs;
    int count;
    switch (style) {
        case kDrawDash:
            runs = kDash, count = 2;
            break;
        case kDrawDot:
            runs = kDot, count = 2;
            break;
        case kDrawDashDot:
            runs = kDashDot, count = 4;
            break;
        case kDrawDashDotDot:
            runs = kDashDotDot, count = 6;
            break;
        default:
            return true;
    }
    int period = 0;
    for (int i = 0; i < count; ++i)
        period += runs[i];
    double p = std::fmod(pos, period);
    if (p < 0)
        p += period;
    for (int i = 0; i < count; ++i) {
        if (p < runs[i])
            return i % 2 == 0;
        p -= runs[i];
    }
    return true;
}

void draw_ellipse(Image& image, const EllipseFigure& f, const Pen& pen, const Brush& brush,
                  EllipseRows* rows) {
    if (image.empty() || !(f.a >= 0 && f.b >= 0))
        return;
    const Wedge wedge = f.wedge();
    const bool closed = f.whole || (f.start_radius && f.end_radius);
    if (brush.visible && closed && !f.empty_sector) {
        if (brush.paint.plain()) {
            // A plain fill, the pie's case: each span is a run of one pixel value.
            std::uint32_t* const pixels = image.pixels.data();
            const std::ptrdiff_t stride = image.width;
            const std::uint32_t pixel = brush.paint.a;
            CachedSector s;
            if (rows &&
                cached_sector_setup(*rows, f.cx, f.cy, f.a, f.b, wedge, clip_of(image), &s)) {
                cached_sector_fill(*rows, s, pixels, stride, pixel);
            } else {
                sector_spans(f.cx, f.cy, f.a, f.b, wedge, clip_of(image),
                             [=](int y, int x0, int x1) {
                                 fill_pixels(pixels + y * stride + x0, x1 - x0 + 1, pixel);
                             });
            }
        } else {
            fill_sector(image, f, wedge, rows, [&](int y, int x0, int x1) {
                paint_span(image.row(y), y, x0, x1, brush.paint);
            });
        }
    }
    if (!pen.draws())
        return;
    if (!f.empty_sector)
        draw_arc(image, f, wedge, pen, rows);
    if (!f.whole && f.start_radius)
        draw_radius(image, f, f.start_cos, f.start_sin, pen);
    if (!f.whole && f.end_radius)
        draw_radius(image, f, f.end_cos, f.end_sin, pen);
}

namespace {

// The bar's case: a solid pen over a solid fill, both plain colours. The hole lies inside the
// fill, so the box is the outline's colour with the fill's in the hole: each pixel written once.
bool plain_outline_and_fill(const Pen& pen, const Brush& brush) {
    return brush.visible && pen.draws() && !pen.patterned() && pen.paint.plain() &&
           brush.paint.plain();
}

void draw_plain_box(Image& image, const BoxEdges& e, std::uint32_t edge, std::uint32_t inner) {
    if (edge == inner || !e.has_hole()) {
        fill_rect(image, e.ol, e.ot, e.orr, e.ob, edge);
        return;
    }
    fill_rect(image, e.ol, e.ot, e.orr, e.it - 1, edge);
    rect_spans(image, e.ol, e.it, e.orr, e.ib, [&](int y, int a, int b) {
        std::uint32_t* row = image.row(y);
        const int hole_a = static_cast<int>(std::max<long long>(e.il, a));
        const int hole_b = static_cast<int>(std::min<long long>(e.ir, b));
        fill_pixels(row + a, std::max(0, std::min(b + 1, hole_a) - a), edge);
        if (hole_a <= hole_b)
            fill_pixels(row + hole_a, hole_b - hole_a + 1, inner);
        const int right_a = std::max(a, hole_b + 1);
        fill_pixels(row + right_a, std::max(0, b - right_a + 1), edge);
    });
    fill_rect(image, e.ol, e.ib + 1, e.orr, e.ob, edge);
}

// The outline of a box in any pen: four strips, or the whole box when there is no hole.
void draw_box_outline(Image& image, const BoxEdges& e, const Pen& pen) {
    const auto along_x = [&](int x, int) { return static_cast<double>(x - e.ol); };
    const auto along_y = [&](int, int y) { return static_cast<double>(y - e.ot); };
    const auto strip = [&](long long x0, long long y0, long long x1, long long y1, auto along) {
        rect_spans(image, x0, y0, x1, y1,
                   [&](int y, int a, int b) { pen_span(image, pen, y, a, b, along); });
    };
    if (!e.has_hole()) {
        strip(e.ol, e.ot, e.orr, e.ob, along_x);
        return;
    }
    strip(e.ol, e.ot, e.orr, e.it - 1, along_x);
    strip(e.ol, e.ib + 1, e.orr, e.ob, along_x);
    strip(e.ol, e.it, e.il - 1, e.ib, along_y);
    strip(e.ir + 1, e.it, e.orr, e.ib, along_y);
}

}  // namespace

void draw_box(Image& image, double x1, double y1, double x2, double y2, const Pen& pen,
              const Brush& brush) {
    if (image.empty())
        return;
    const BoxEdges e(x1, y1, x2, y2, pen.width, pen.style == kDrawInsideSolid);
    if (plain_outline_and_fill(pen, brush)) {
        draw_plain_box(image, e, pen.paint.a, brush.paint.a);
        return;
    }
    if (brush.visible) {
        rect_spans(image, e.left, e.top, e.right, e.bottom,
                   [&](int y, int a, int b) { paint_span(image.row(y), y, a, b, brush.paint); });
    }
    if (pen.draws())
        draw_box_outline(image, e, pen);
}

bool defer_box(DeferredRun& run, const Image& image, double x1, double y1, double x2, double y2,
               const Pen& pen, const Brush& brush) {
    if (image.empty())
        return true;
    const BoxEdges e(x1, y1, x2, y2, pen.width, pen.style == kDrawInsideSolid);
    if (plain_outline_and_fill(pen, brush)) {
        if (!run.has_room(2))
            return false;
        run.add_clipped_rect(e.ol, e.ot, e.orr, e.ob, image.width, image.height, pen.paint.a);
        if (e.has_hole() && pen.paint.a != brush.paint.a)
            run.add_clipped_rect(e.il, e.it, e.ir, e.ib, image.width, image.height, brush.paint.a);
        return true;
    }
    if (!pen.draws() && brush.visible && brush.paint.plain())
        return run.add_clipped_rect(e.left, e.top, e.right, e.bottom, image.width, image.height,
                                    brush.paint.a);
    return !pen.draws() && !brush.visible;  // nothing to draw
}

bool defer_ellipse(DeferredRun& run, EllipseRows& rows, const Image& image, EllipseFigure& f,
                   const Pen& pen, const Brush& brush) {
    if (image.empty() || !(f.a >= 0 && f.b >= 0))
        return true;  // draws nothing
    const bool closed = f.whole || (f.start_radius && f.end_radius);
    const bool fills = brush.visible && closed && !f.empty_sector;
    const bool outlines = pen.draws();
    if (outlines && !(f.whole && !pen.patterned() && pen.paint.plain()))
        return false;  // arcs, radii and patterned or mixing pens are drawn at once
    if (fills && !(brush.paint.plain() && f.a > 0 && f.b > 0))
        return false;
    if (!run.has_room(2))
        return false;
    const Clip clip = clip_of(image);
    if (fills) {
        // The path draw_ellipse would take: the cached rows (of one ellipse for the whole run)
        // or the general span loop. The remembered set-up is there exactly when the cached path
        // suits the sector; it is looked up only when the run takes the ellipse, as it prepares
        // the rows for it.
        if (!rows.fits(clip))
            return false;
        const bool same_ellipse = run.takes_ellipse(f.cx, f.cy, f.a, f.b);
        const CachedSector* s = same_ellipse ? remembered_sector_setup(rows, f, clip) : nullptr;
        if (s) {
            if (!run.add_sector(*s, f.cx, f.cy, f.a, f.b, brush.paint.a))
                return false;
        } else {
            f.aim();
            const Wedge wedge = f.wedge();
            if (!same_ellipse && cached_path_suits(f.cx, f.cy, f.a, f.b, wedge, clip))
                return false;  // a sector of another ellipse than the queued ones
            if (!run.add_wedge(f.cx, f.cy, f.a, f.b, wedge, clip, brush.paint.a))
                return false;
        }
    }
    if (outlines) {
        const RingAxes r = ring_axes(f, pen);
        // Its rows are kept for the writing and for the next pass.
        rows.ring().prepare(f.cx, f.cy, r.ao, r.bo, r.ai, r.bi, clip);
        run.add_ring(f.cx, f.cy, r.ao, r.bo, r.ai, r.bi, clip, pen.paint.a);
    }
    return true;
}

}  // namespace qd::host
