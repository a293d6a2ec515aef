// Which pixels a figure covers, one row at a time.
//
// Pixel (x, y) has its centre at the coordinate (x, y) of the pixel scale. Each figure walks
// only the rows it touches, clipped to the picture, and hands a sink at most a few spans per
// row as (y, x0, x1), inclusive and clipped. Angles are tested as half-planes: on one row the
// side of a line through the centre is a threshold on x, so no pixel needs a trigonometric call.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qd::host {

// A closed interval of x; empty when lo > hi.
struct Interval {
    double lo;
    double hi;
    bool empty() const { return !(lo <= hi); }
};

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// The x where alpha * x + beta lies in [lo, hi].
inline Interval slab(double alpha, double beta, double lo, double hi) {
    if (alpha > 0)
        return {(lo - beta) / alpha, (hi - beta) / alpha};
    if (alpha < 0)
        return {(hi - beta) / alpha, (lo - beta) / alpha};
    return (beta >= lo && beta <= hi) ? Interval{-kInf, kInf} : Interval{1, 0};
}

inline Interval intersect(Interval p, Interval q) {
    return {std::max(p.lo, q.lo), std::min(p.hi, q.hi)};
}

// An angular wedge about the centre, counter-clockwise on screen from `start` to `end`.
class Wedge {
  public:
    static Wedge full() { return Wedge(Kind::Full); }
    static Wedge none() { return Wedge(Kind::None); }
    // Angles in radians within 0..2 pi; start > end runs through 0. Equal angles give no wedge.
    static Wedge between(double start, double end) {
        return between(start, end, std::cos(start), std::sin(start), std::cos(end), std::sin(end));
    }
    // The same with the rays' directions given: (cos, sin) of start and of end.
    static Wedge between(double start, double end, double start_cos, double start_sin,
                         double end_cos, double end_sin) {
        double sweep = end - start;
        if (sweep == 0)
            return none();
        if (sweep < 0)
            sweep += 2 * std::numbers::pi;
        Wedge w(sweep <= std::numbers::pi ? Kind::Both : Kind::Either);
        w.start_ = start;
        w.sweep_ = sweep;
        w.sx_ = start_cos;
        w.sy_ = start_sin;
        w.ex_ = end_cos;
        w.ey_ = end_sin;
        // Counter-clockwise of the start ray: sx * up - sy * x >= 0.
        w.after_start_ = HalfPlane::of(-w.sy_, w.sx_);
        // Clockwise of the end ray: ey * x - ex * up >= 0.
        w.before_end_ = HalfPlane::of(w.ey_, -w.ex_);
        return w;
    }

    // Up to two intervals of x offsets from the centre inside the wedge, on the row whose offset
    // above the centre is `up` (screen rows grow downwards, so up = cy - y). Returns the count.
    int row(double up, Interval out[2]) const {
        switch (kind_) {
            case Kind::Full:
                out[0] = {-kInf, kInf};
                return 1;
            case Kind::None:
                return 0;
            default:
                break;
        }
        const Interval after_start = after_start_.row(up);
        const Interval before_end = before_end_.row(up);
        if (kind_ == Kind::Both) {
            out[0] = intersect(after_start, before_end);
            return out[0].empty() ? 0 : 1;
        }
        int n = 0;
        if (!after_start.empty())
            out[n++] = after_start;
        if (!before_end.empty())
            out[n++] = before_end;
        if (n == 2 && out[0].lo <= out[1].hi && out[1].lo <= out[0].hi) {
            out[0] = {std::min(out[0].lo, out[1].lo), std::max(out[0].hi, out[1].hi)};
            n = 1;
        }
        return n;
    }

    // The vertical reach of the wedge's part of an ellipse with semi-axes a, b: how far it
    // extends above (*up) and below (*down) the centre. The part is bounded by the centre, the
    // two ends of its arc, and the top and bottom of the ellipse when the arc passes them.
    void vertical_reach(double a, double b, double* up, double* down) const {
        if (kind_ != Kind::Both && kind_ != Kind::Either) {
            *up = *down = kind_ == Kind::Full ? b : -1;
            return;
        }
        const auto arc_has = [&](double angle) {
            double d = angle - start_;
            if (d < 0)
                d += 2 * std::numbers::pi;
            return d <= sweep_;
        };
        const auto height_at = [&](double s, double c) {  // y above the centre on the ray
            const double ca = a > 0 ? c / a : 0, sb = b > 0 ? s / b : 0;
            const double q = ca * ca + sb * sb;
            return q > 0 ? s / std::sqrt(q) : 0;
        };
        const double h1 = height_at(sy_, sx_), h2 = height_at(ey_, ex_);
        *up = arc_has(std::numbers::pi / 2) ? b : std::max({0.0, h1, h2});
        *down = arc_has(3 * std::numbers::pi / 2) ? b : std::max({0.0, -h1, -h2});
    }

    // The wedge as straight bounds on each row: x >= lo[i] * up and x <= hi[i] * up. Holds for
    // the whole turn (no bounds) and for a wedge of at most half a turn whose rays are not
    // horizontal, which covers every band of a pie; false otherwise.
    bool linear_bounds(double lo[2], int* nlo, double hi[2], int* nhi) const {
        *nlo = *nhi = 0;
        if (kind_ == Kind::Full)
            return true;
        if (kind_ != Kind::Both)
            return false;
        for (const HalfPlane& h : {after_start_, before_end_}) {
            if (h.side == HalfPlane::Side::AtLeast)
                lo[(*nlo)++] = h.k;
            else if (h.side == HalfPlane::Side::AtMost)
                hi[(*nhi)++] = h.k;
            else
                return false;
        }
        return true;
    }

  private:
    enum class Kind { Full, None, Both, Either };
    // alpha * x + beta * up >= 0 on a row: a threshold x = k * up, precomputed so that a row
    // costs a multiplication and no division.
    struct HalfPlane {
        enum class Side { AtMost, AtLeast, IfUpNonNegative, IfUpNonPositive } side;
        double k;
        static HalfPlane of(double alpha, double beta) {
            if (alpha > 0)
                return {Side::AtLeast, -beta / alpha};
            if (alpha < 0)
                return {Side::AtMost, -beta / alpha};
            return {beta >= 0 ? Side::IfUpNonNegative : Side::IfUpNonPositive, 0};
        }
        Interval row(double up) const {
            switch (side) {
                case Side::AtLeast:
                    return {k * up, kInf};
                case Side::AtMost:
                    return {-kInf, k * up};
                case Side::IfUpNonNegative:
                    return up >= 0 ? Interval{-kInf, kInf} : Interval{1, 0};
                default:
                    return up <= 0 ? Interval{-kInf, kInf} : Interval{1, 0};
            }
        }
    };
    explicit Wedge(Kind k) : kind_(k) {}
    Kind kind_;
    double sx_ = 1, sy_ = 0, ex_ = 1, ey_ = 0;
    double start_ = 0, sweep_ = 0;
    HalfPlane after_start_{HalfPlane::Side::IfUpNonNegative, 0};
    HalfPlane before_end_{HalfPlane::Side::IfUpNonNegative, 0};
};

// Clip rectangle: columns 0..width-1, rows 0..height-1.
struct Clip {
    int width;
    int height;
};

// Integer pixel range of a closed interval offset by `origin`, clipped to 0..limit-1. Bounds
// are clamped first, so the rounding is a plain conversion (no library call per row).
inline bool pixel_range(double origin, Interval iv, int limit, int* x0, int* x1) {
    const double lo = std::max(origin + iv.lo, -1.0);
    const double hi = std::min(origin + iv.hi, static_cast<double>(limit));
    if (!(lo <= hi))
        return false;
    const int tlo = static_cast<int>(lo), thi = static_cast<int>(hi);  // toward zero
    const int first = std::max(tlo + (lo > tlo ? 1 : 0), 0);           // ceil
    const int last = std::min(thi - (hi < thi ? 1 : 0), limit - 1);    // floor
    if (first > last)
        return false;
    *x0 = first;
    *x1 = last;
    return true;
}

// Half-width of an ellipse with semi-axes a, b on the row dy below or above its centre;
// negative when the row misses it.
inline double ellipse_half_width(double a, double b, double dy) {
    if (!(b > 0))
        return dy == 0 ? a : -1;
    const double t = 1.0 - (dy / b) * (dy / b);
    return t < 0 ? -1 : a * std::sqrt(t);
}

// Rows of the picture touched by a figure spanning [cy - extent, cy + extent].
inline bool row_range(double cy, double extent, const Clip& clip, int* y0, int* y1) {
    return pixel_range(cy, {-extent, extent}, clip.height, y0, y1);
}

// The rows of the picture an ellipse sector (semi-axes a, b about cy) inside `wedge` reaches,
// widened by a hair so rounding cannot lose an edge row; false when it reaches none.
inline bool sector_rows(double cy, double a, double b, const Wedge& wedge, const Clip& clip,
                        int* y0, int* y1) {
    double up, down;
    wedge.vertical_reach(a, b, &up, &down);
    return !(up < 0) && pixel_range(cy, {-std::min(b, up + 1e-9), std::min(b, down + 1e-9)},
                                    clip.height, y0, y1);
}

// The columns of that sector on row y, as up to two pairs (x0, x1) in `out`; returns the count.
inline int sector_row(double cx, double cy, double a, double b, const Wedge& wedge, int width,
                      int y, int out[4]) {
    const double dy = y - cy;
    const double hw = ellipse_half_width(a, b, dy);
    if (hw < 0)
        return 0;
    Interval parts[2];
    const int n = wedge.row(-dy, parts);
    int count = 0;
    for (int i = 0; i < n; ++i)
        if (pixel_range(cx, intersect(parts[i], {-hw, hw}), width, &out[2 * count],
                        &out[2 * count + 1]))
            ++count;
    return count;
}

// The pixels of an ellipse sector (semi-axes a, b about cx, cy) inside `wedge`.
template <typename Sink>
void sector_spans(double cx, double cy, double a, double b, const Wedge& wedge, const Clip& clip,
                  Sink&& sink) {
    int y0, y1;
    if (!(a >= 0 && b >= 0) || !sector_rows(cy, a, b, wedge, clip, &y0, &y1))
        return;
    int spans[4];
    for (int y = y0; y <= y1; ++y) {
        const int n = sector_row(cx, cy, a, b, wedge, clip.width, y, spans);
        for (int i = 0; i < n; ++i)
            sink(y, spans[2 * i], spans[2 * i + 1]);
    }
}

// The pixels of an elliptical ring inside `wedge`: inside the outer ellipse (ao, bo) and not
// strictly inside the inner one (ai, bi); an inner axis <= 0 leaves no hole.
template <typename Sink>
void ring_spans(double cx, double cy, double ao, double bo, double ai, double bi,
                const Wedge& wedge, const Clip& clip, Sink&& sink) {
    int y0, y1;
    if (!(ao >= 0 && bo >= 0) || !row_range(cy, bo, clip, &y0, &y1))
        return;
    const bool hole = ai > 0 && bi > 0;
    Interval parts[2];
    for (int y = y0; y <= y1; ++y) {
        const double dy = y - cy;
        const double ho = ellipse_half_width(ao, bo, dy);
        if (ho < 0)
            continue;
        const double hi = hole ? ellipse_half_width(ai, bi, dy) : -1;
        // Pixels whose centre lies strictly inside the inner ellipse are the hole; a pixel
        // exactly on it belongs to the ring.
        Interval pieces[2];
        int np = 0;
        if (hi <= 0) {
            pieces[np++] = {-ho, ho};
        } else {
            pieces[np++] = {-ho, -hi};
            pieces[np++] = {hi, ho};
        }
        const int nw = wedge.row(-dy, parts);
        for (int i = 0; i < nw; ++i) {
            for (int k = 0; k < np; ++k) {
                int x0, x1;
                if (pixel_range(cx, intersect(parts[i], pieces[k]), clip.width, &x0, &x1))
                    sink(y, x0, x1);
            }
        }
    }
}

// A straight stroke from (x0, y0) to (x1, y1): the rectangle `half_width` either side of the
// segment, extended by `cap` beyond both ends.
template <typename Sink>
void stroke_spans(double x0, double y0, double x1, double y1, double half_width, double cap,
                  const Clip& clip, Sink&& sink) {
    const double len = std::hypot(x1 - x0, y1 - y0);
    double dx = 1, dy = 0;
    if (len > 0) {
        dx = (x1 - x0) / len;
        dy = (y1 - y0) / len;
    }
    const double reach = half_width + cap;
    int r0, r1;
    const double top = std::min(y0, y1) - reach, bottom = std::max(y0, y1) + reach;
    if (!pixel_range(0, {top, bottom}, clip.height, &r0, &r1))
        return;
    for (int y = r0; y <= r1; ++y) {
        const double ry = y - y0;
        // along = (x - x0) dx + ry dy in [-cap, len + cap]; across = -(x - x0) dy + ry dx.
        const Interval along = slab(dx, ry * dy, -cap, len + cap);
        const Interval across = slab(-dy, ry * dx, -half_width, half_width);
        int a, b;
        if (pixel_range(x0, intersect(along, across), clip.width, &a, &b))
            sink(y, a, b);
    }
}

}  // namespace qd::host
