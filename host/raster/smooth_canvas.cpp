#include "host/raster/smooth_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/raster/paint.h"

namespace qd::host {

namespace {

bool plain(const Paint& p) {
    return p.pattern == kFillSolid && p.m == 0;
}

constexpr double kTwoPi = 2 * std::numbers::pi;

// Curves are flattened to chords no further than this from them, in pixels.
constexpr double kFlatness = 0.02;

// The number of chords of a whole turn of an ellipse whose longer semi-axis is r.
int chords_of(double r) {
    const double step = 2 * std::acos(std::max(-1.0, 1 - kFlatness / std::max(r, kFlatness)));
    return static_cast<int>(std::clamp(std::ceil(kTwoPi / step), 16.0, 4096.0));
}

// The point of the ellipse (a, b about cx, cy) on the ray at `angle`, counter-clockwise on screen.
void ellipse_point(double cx, double cy, double a, double b, double angle, double* x, double* y) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double ca = a > 0 ? c / a : 0, sb = b > 0 ? s / b : 0;
    const double q = ca * ca + sb * sb;
    const double t = q > 0 ? 1 / std::sqrt(q) : 0;
    *x = cx + t * c;
    *y = cy - t * s;
}

std::uint32_t to_level(float v) {
    const float c = v + 0.5f;
    return static_cast<std::uint32_t>(static_cast<int>(c < 0 ? 0 : c > 255 ? 255 : c));
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
        s.whole = f.whole;
        s.start = f.start, s.end = f.end;
        s.sweep = f.whole ? kTwoPi : f.end - f.start;
        if (s.sweep < 0)
            s.sweep += kTwoPi;
        if (s.whole || s.sweep > 0)
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

bool SmoothCanvas::cut_by_next(std::size_t i, double* sweep) const {
    if (i + 1 >= figures_.size())
        return false;
    const Figure& f = figures_[i];
    const Figure& n = figures_[i + 1];
    if (f.kind != Kind::Sector || n.kind != Kind::Sector || f.whole || n.whole || f.cx != n.cx ||
        f.cy != n.cy || f.a != n.a || f.b != n.b)
        return false;
    double d = n.start - f.start;
    if (d < 0)
        d += kTwoPi;
    if (!(d <= f.sweep && d + n.sweep >= f.sweep))
        return false;
    *sweep = d;
    return true;
}

namespace {

// Builds the edges of closed polygons, in cells of a region starting at column `left`.
class OutlineWriter {
  public:
    OutlineWriter(std::vector<CoverEdge>& edges, int left) : edges_(edges), shift_(0.5 - left) {}
    void to(double x, double y) {
        if (started_)
            edges_.push_back({px_ + shift_, py_ + 0.5, x + shift_, y + 0.5});
        else
            fx_ = x, fy_ = y, started_ = true;
        px_ = x, py_ = y;
    }
    void close() {
        if (started_)
            edges_.push_back({px_ + shift_, py_ + 0.5, fx_ + shift_, fy_ + 0.5});
        started_ = false;
    }
    // The whole ellipse through its chords' fixed angles.
    void turn(double cx, double cy, double a, double b, bool backwards) {
        const int n = chords_of(std::max(a, b));
        for (int k = 0; k < n; ++k) {
            double x, y;
            ellipse_point(cx, cy, a, b, (backwards ? n - k : k) % n * (kTwoPi / n), &x, &y);
            to(x, y);
        }
        close();
    }
    // The centre, the arc from `start` through the chords' fixed angles to `end`, and back.
    void wedge(double cx, double cy, double a, double b, double start, double end, double sweep) {
        const int n = chords_of(std::max(a, b));
        const double step = kTwoPi / n;
        double x, y;
        to(cx, cy);
        ellipse_point(cx, cy, a, b, start, &x, &y);
        to(x, y);
        for (long k = static_cast<long>(std::floor(start / step)) + 1; k * step - start < sweep;
             ++k) {
            ellipse_point(cx, cy, a, b, static_cast<double>(k % n) * step, &x, &y);
            to(x, y);
        }
        ellipse_point(cx, cy, a, b, end, &x, &y);
        to(x, y);
        close();
    }

  private:
    std::vector<CoverEdge>& edges_;
    double shift_;
    double px_ = 0, py_ = 0, fx_ = 0, fy_ = 0;
    bool started_ = false;
};

}  // namespace

void SmoothCanvas::add_outline(const Figure& f, double end, double sweep, int left) {
    const std::size_t first = edges_.size();
    OutlineWriter out(edges_, left);
    switch (f.kind) {
        case Kind::Rect:
            out.to(f.x0, f.y0), out.to(f.x1, f.y0), out.to(f.x1, f.y1), out.to(f.x0, f.y1);
            out.close();
            break;
        case Kind::Ring:
            out.turn(f.cx, f.cy, f.a, f.b, false);
            if (f.ai > 0 && f.bi > 0)
                out.turn(f.cx, f.cy, f.ai, f.bi, true);  // the hole, the other way round
            break;
        case Kind::Sector:
            if (f.whole)
                out.turn(f.cx, f.cy, f.a, f.b, false);
            else
                out.wedge(f.cx, f.cy, f.a, f.b, f.start, end, sweep);
            break;
    }
    std::sort(edges_.begin() + static_cast<std::ptrdiff_t>(first), edges_.end(),
              [](const CoverEdge& p, const CoverEdge& q) { return p.v_min() < q.v_min(); });
}

void SmoothCanvas::build_shapes(const PixelRect& region, std::size_t from) {
    shapes_.clear();
    edges_.clear();
    int layer = -1;
    bool in_run = false;
    double run_sweep = 0;
    for (std::size_t i = from; i < figures_.size(); ++i) {
        const Figure& f = figures_[i];
        double sweep = f.sweep, end = f.end;
        // A band hidden past the next band's start is cut there; the cut bands of a run tile
        // their ellipse and share one layer, as long as the run stays within one turn.
        double cut;
        const bool cut_here = cut_by_next(i, &cut) && (!in_run || run_sweep + cut <= kTwoPi);
        if (cut_here) {
            sweep = cut;
            end = figures_[i + 1].start;
        }
        if (in_run && run_sweep + sweep > kTwoPi)
            in_run = false;
        if (!in_run && cut_here)
            ++layer, run_sweep = 0;
        const bool member = in_run || cut_here;
        run_sweep += sweep;
        in_run = cut_here;
        if (f.bounds.y >= region.bottom() || f.bounds.bottom() <= region.y ||
            f.bounds.x >= region.right() || f.bounds.right() <= region.x ||
            (f.kind == Kind::Sector && !f.whole && !(sweep > 0)))
            continue;
        Shape s{f.pixel, 0, 0, edges_.size(), 0, 0, 0, member ? layer : -1};
        add_outline(f, end, sweep, region.x);
        s.end = edges_.size();
        s.next = s.first;
        double top = 1e300, bottom = -1e300;
        for (std::size_t e = s.first; e < s.end; ++e)
            top = std::min(top, edges_[e].v_min()), bottom = std::max(bottom, edges_[e].v_max());
        if (s.first == s.end)
            continue;
        s.y0 = std::max(region.y, static_cast<int>(std::floor(std::max(top, -1e9))));
        s.y1 =
            std::min(region.bottom() - 1, static_cast<int>(std::ceil(std::min(bottom, 1e9))) - 1);
        if (s.y0 <= s.y1)
            shapes_.push_back(s);
    }
    active_.resize(edges_.size());
}

namespace {

// `pixel` over `under` by coverage c, each channel rounded.
std::uint32_t blend(std::uint32_t under, std::uint32_t pixel, float c) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const float u = static_cast<float>((under >> shift) & 0xFF);
        const float p = static_cast<float>((pixel >> shift) & 0xFF);
        out |= to_level(u + (p - u) * c) << shift;
    }
    return out;
}

}  // namespace

void SmoothCanvas::cover_row(Shape& s, int y) {
    // Edges that end above this row leave; those that start on it join.
    std::size_t* act = active_.data() + s.first;
    std::size_t n = 0;
    for (std::size_t k = 0; k < s.active; ++k)
        if (edges_[act[k]].v_max() > y)
            act[n++] = act[k];
    while (s.next < s.end && edges_[s.next].v_min() < y + 1)
        act[n++] = s.next++;
    s.active = n;
    for (std::size_t k = 0; k < n; ++k)
        coverage_.add(edges_[act[k]], y);
}

void SmoothCanvas::blend_row(std::uint32_t* row, int y, int width) {
    // A run's layer keeps the colours and coverage of its partly covered pixels, four planes.
    float* const lred = layer_.data();
    float* const lgreen = lred + width;
    float* const lblue = lgreen + width;
    float* const lcover = lblue + width;
    int pending = -1;
    const auto end_layer = [&] {
        for (const int j : layer_columns_) {
            const float under = 1 - std::min(lcover[j], 1.0f);
            const std::uint32_t p = row[j];
            row[j] = to_level(lred[j] + under * static_cast<float>(p & 0xFF)) |
                     (to_level(lgreen[j] + under * static_cast<float>((p >> 8) & 0xFF)) << 8) |
                     (to_level(lblue[j] + under * static_cast<float>((p >> 16) & 0xFF)) << 16);
            lred[j] = lgreen[j] = lblue[j] = lcover[j] = 0;
        }
        layer_columns_.clear();
        pending = -1;
    };
    constexpr float kWhole = 1 - RowCoverage::kNone;
    for (Shape& s : shapes_) {
        if (pending >= 0 && s.layer != pending)
            end_layer();
        if (y < s.y0 || y > s.y1)
            continue;
        cover_row(s, y);
        const std::uint32_t pixel = s.pixel;
        if (s.layer >= 0) {
            // A band covers its inside alone: only its edge pixels share with the others.
            pending = s.layer;
            const float cr = static_cast<float>(pixel & 0xFF);
            const float cg = static_cast<float>((pixel >> 8) & 0xFF);
            const float cb = static_cast<float>((pixel >> 16) & 0xFF);
            coverage_.take([&](int j0, int j1, float c) {
                if (c >= kWhole) {
                    fill_pixels(row + j0, j1 - j0 + 1, pixel);
                    return;
                }
                for (int j = j0; j <= j1; ++j) {
                    if (lcover[j] == 0)
                        layer_columns_.push_back(j);
                    lred[j] += c * cr, lgreen[j] += c * cg, lblue[j] += c * cb, lcover[j] += c;
                }
            });
        } else {
            coverage_.take([&](int j0, int j1, float c) {
                if (c >= kWhole) {
                    fill_pixels(row + j0, j1 - j0 + 1, pixel);
                    return;
                }
                for (int j = j0; j <= j1; ++j)
                    row[j] = blend(row[j], pixel, c);
            });
        }
    }
    if (pending >= 0)
        end_layer();
}

void SmoothCanvas::render(Image& image, const PixelRect& region, std::size_t from,
                          bool over_clear) {
    const int w = region.width;
    build_shapes(region, from);
    coverage_.reset(w);
    layer_.assign(static_cast<std::size_t>(w) * 4, 0.0f);
    layer_columns_.clear();
    for (int y = region.y; y < region.bottom(); ++y) {
        std::uint32_t* row = image.row(y) + region.x;
        if (over_clear)
            fill_pixels(row, w, clear_pixel_);
        blend_row(row, y, w);
    }
}

}  // namespace qd::host
