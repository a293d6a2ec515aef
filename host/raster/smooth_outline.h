// The outlines of smooth mode's figures as weighted edges (area_coverage.h).
//
// Curves are flattened to chords at angles fixed by the ellipse alone, so a sector cut at a ray
// keeps the rest of its outline and the bands of a pie meet chord to chord.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "host/raster/area_coverage.h"

namespace qd::host {

inline constexpr double kTwoPi = 2 * std::numbers::pi;

// Curves are flattened to chords no further than this from them, in pixels.
inline constexpr double kFlatness = 0.02;

// The number of chords of a whole turn of an ellipse whose longer semi-axis is r.
inline int chords_of(double r) {
    const double step = 2 * std::acos(std::max(-1.0, 1 - kFlatness / std::max(r, kFlatness)));
    return static_cast<int>(std::clamp(std::ceil(kTwoPi / step), 16.0, 4096.0));
}

// The point of the ellipse (a, b about cx, cy) on the ray at `angle`, counter-clockwise on screen.
inline void ellipse_point(double cx, double cy, double a, double b, double angle, double* x,
                          double* y) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double ca = a > 0 ? c / a : 0, sb = b > 0 ? s / b : 0;
    const double q = ca * ca + sb * sb;
    const double t = q > 0 ? 1 / std::sqrt(q) : 0;
    *x = cx + t * c;
    *y = cy - t * s;
}

// Appends the edges of closed polygons, in cells of a region starting at column `left`, each
// carrying `weight`. Counter-clockwise polygons on screen (as every curve here is drawn) cover
// with the weight as given.
class OutlineWriter {
  public:
    OutlineWriter(std::vector<AreaEdge>& edges, int left, __m128 weight)
        : edges_(edges), shift_(0.5 - left), weight_(weight) {}
    void to(double x, double y) {
        if (started_)
            edge(px_, py_, x, y);
        else
            fx_ = x, fy_ = y, started_ = true;
        px_ = x, py_ = y;
    }
    void close() {
        if (started_)
            edge(px_, py_, fx_, fy_);
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
    void edge(double x0, double y0, double x1, double y1) {
        AreaEdge e;
        if (AreaEdge::make(x0 + shift_, y0 + 0.5, x1 + shift_, y1 + 0.5, weight_, &e))
            edges_.push_back(e);
    }

    std::vector<AreaEdge>& edges_;
    double shift_;
    __m128 weight_;
    double px_ = 0, py_ = 0, fx_ = 0, fy_ = 0;
    bool started_ = false;
};

}  // namespace qd::host
