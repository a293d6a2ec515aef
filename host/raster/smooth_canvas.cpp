#include "host/raster/smooth_canvas.h"

#include <algorithm>
#include <cmath>

#include "host/raster/paint.h"
#include "host/raster/smooth_outline.h"

namespace qd::host {

namespace {

// The weight of a figure of colour `pixel`: a coverage of one and its channels.
__m128 weight_of(std::uint32_t pixel) {
    return _mm_setr_ps(1.0f, static_cast<float>(pixel & 0xFF),
                       static_cast<float>((pixel >> 8) & 0xFF),
                       static_cast<float>((pixel >> 16) & 0xFF));
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
    if ((outlines && !(f.whole && !pen.patterned() && pen.paint.plain())) ||
        (fills && !brush.paint.plain()) || figures_.size() + 2 > kMaxFigures)
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
    if ((outline && (pen.patterned() || !pen.paint.plain())) ||
        (brush.visible && !brush.paint.plain()) || figures_.size() + 2 > kMaxFigures)
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

void SmoothCanvas::add_outline(const Figure& f, double end, double sweep, int left) {
    OutlineWriter out(edges_, left, weight_of(f.pixel));
    switch (f.kind) {
        case Kind::Rect:  // counter-clockwise on screen, as the curves
            out.to(f.x0, f.y0), out.to(f.x0, f.y1), out.to(f.x1, f.y1), out.to(f.x1, f.y0);
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
}

void SmoothCanvas::end_group(Group g, const PixelRect& region) {
    // Edges of no weight (between bands of one colour), right of the region or beyond its rows
    // add nothing to it; those left of it fold onto its first column.
    const auto begin = edges_.begin() + static_cast<std::ptrdiff_t>(g.first);
    const double right = region.width, top = region.y, bottom_row = region.bottom();
    edges_.erase(std::remove_if(
                     begin, edges_.end(),
                     [&](const AreaEdge& e) {
                         return _mm_movemask_ps(_mm_cmpneq_ps(e.weight, _mm_setzero_ps())) == 0 ||
                                std::min(e.u0, e.u1) >= right || e.v1 <= top || e.v0 >= bottom_row;
                     }),
                 edges_.end());
    g.end = edges_.size();
    if (g.first == g.end)
        return;
    std::sort(begin, edges_.end(),
              [](const AreaEdge& p, const AreaEdge& q) { return p.v0 < q.v0; });
    double bottom = -1e300;
    for (std::size_t e = g.first; e < g.end; ++e)
        bottom = std::max(bottom, edges_[e].v1);
    g.y0 = std::max(region.y, static_cast<int>(std::floor(std::max(begin->v0, -1e9))));
    g.y1 = std::min(region.bottom() - 1, static_cast<int>(std::ceil(std::min(bottom, 1e9))) - 1);
    g.next = g.first;
    g.active = 0;
    if (g.y0 <= g.y1)
        groups_.push_back(g);
    else
        edges_.resize(g.first);
}

namespace {

// To the bit: the same ray.
bool same_line(const AreaEdge& p, const AreaEdge& q) {
    return p.u0 == q.u0 && p.v0 == q.v0 && p.u1 == q.u1 && p.v1 == q.v1;
}

}  // namespace

void SmoothCanvas::build_groups(const PixelRect& region, std::size_t from) {
    groups_.clear();
    edges_.clear();
    Group group{0, 0, 0, 0, 0, 0};
    int layer = -1, group_layer = -1;
    bool in_run = false;
    double run_sweep = 0;
    std::size_t closing = 0;  // the last edge of the layer's last band: its end ray
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
        const int member = in_run || cut_here ? layer : -1;
        run_sweep += sweep;
        in_run = cut_here;
        if (f.bounds.y >= region.bottom() || f.bounds.bottom() <= region.y ||
            f.bounds.x >= region.right() || f.bounds.right() <= region.x ||
            (f.kind == Kind::Sector && !f.whole && !(sweep > 0)))
            continue;
        const bool joins = member >= 0 && member == group_layer;
        if (!joins) {
            end_group(group, region);
            group.first = edges_.size();
            group_layer = member;
        }
        const std::size_t first = edges_.size();
        add_outline(f, end, sweep, region.x);
        if (first == edges_.size())
            continue;
        // A band's start ray is the end ray of the band before it, the other way round: one
        // edge carries both, weighted by the difference of their colours.
        // (The edge left without weight is dropped with the group's others that cover nothing.)
        if (joins && closing < first && same_line(edges_[closing], edges_[first])) {
            edges_[closing].weight = _mm_add_ps(edges_[closing].weight, edges_[first].weight);
            edges_[first].weight = _mm_setzero_ps();
        }
        closing = edges_.size() - 1;
    }
    end_group(group, region);
    active_.resize(edges_.size());
}

namespace {

constexpr float kNone = 1e-4f;  // coverage at or below this is none, at or above 1 - kNone whole

// A sum of channels (lanes 1 to 3, about 0..255) as a pixel, each channel rounded; the packs
// saturate what lies beyond 0..255.
std::uint32_t to_pixel(__m128 v) {
    const __m128i i = _mm_cvttps_epi32(_mm_add_ps(v, _mm_set1_ps(0.5f)));
    const __m128i b = _mm_packus_epi16(_mm_packs_epi32(i, i), i);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(b)) >> 8;
}

// A pixel's channels in lanes 1 to 3.
__m128 channels(std::uint32_t p) {
    const __m128i b = _mm_cvtsi32_si128(static_cast<int>(p << 8));
    const __m128i z = _mm_setzero_si128();
    return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(b, z), z));
}

// Columns j0..j1 of `row` under a layer whose running sum there is `sum`: its colours by their
// areas over what was there by the area left.
[[gnu::always_inline]] inline void paint_run(std::uint32_t* row, int j0, int j1, __m128 sum) {
    const float cover = _mm_cvtss_f32(sum);
    if (j0 == j1) {  // most runs: a pixel an edge crosses, blended without a branch
        // Where nothing covers it the sums are zero to far below half a level: it keeps its
        // value.
        const __m128 left = _mm_max_ss(_mm_sub_ss(_mm_set_ss(1), sum), _mm_setzero_ps());
        row[j0] =
            to_pixel(_mm_add_ps(sum, _mm_mul_ps(channels(row[j0]), _mm_shuffle_ps(left, left, 0))));
        return;
    }
    if (!(cover > kNone))
        return;
    if (cover >= 1 - kNone) {
        fill_pixels(row + j0, j1 - j0 + 1, to_pixel(sum));
        return;
    }
    const __m128 left = _mm_set1_ps(1 - cover);
    for (int j = j0; j <= j1; ++j)
        row[j] = to_pixel(_mm_add_ps(sum, _mm_mul_ps(channels(row[j]), left)));
}

}  // namespace

void SmoothCanvas::cover_row(Group& g, int y) {
    // Edges that end above this row leave; those that start on it join.
    std::uint32_t* act = active_.data() + g.first;
    std::size_t n = 0;
    for (std::size_t k = 0; k < g.active; ++k)
        if (edges_[act[k]].v1 > y)
            act[n++] = act[k];
    while (g.next < g.end && edges_[g.next].v0 < y + 1)
        act[n++] = static_cast<std::uint32_t>(g.next++);
    g.active = n;
    quiet_.clear();
    for (std::size_t k = 0; k < n; ++k)
        if (!cells_.add(edges_[act[k]], y, act[k]))
            quiet_.push_back(act[k]);
    // The edges keep the order of their pieces, so the next row's are nearly sorted.
    cells_.sort();
    std::size_t k = 0;
    for (const CellRow::Range& r : cells_)
        act[k++] = r.edge;
    for (const std::uint32_t e : quiet_)
        act[k++] = e;
}

void SmoothCanvas::blend_row(std::uint32_t* row, int y) {
    for (Group& g : groups_) {
        if (y < g.y0 || y > g.y1)
            continue;
        cover_row(g, y);
        cells_.take([row](int j0, int j1, __m128 sum) { paint_run(row, j0, j1, sum); });
    }
}

void SmoothCanvas::render(Image& image, const PixelRect& region, std::size_t from,
                          bool over_clear) {
    build_groups(region, from);
    cells_.reset(region.width, edges_.size());
    for (int y = region.y; y < region.bottom(); ++y) {
        std::uint32_t* row = image.row(y) + region.x;
        if (over_clear)
            fill_pixels(row, region.width, clear_pixel_);
        blend_row(row, y);
    }
}

}  // namespace qd::host
