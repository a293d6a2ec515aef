// Exact area coverage of polygons, one row of pixels at a time.
//
// Each edge adds, to the cells of the row it crosses, the signed area it leaves to its right
// within the cell and, to the next cell, the rest of its height; a running sum along the row
// is then the covered fraction of each pixel (the absolute value, for either orientation).
// Coordinates are cells: pixel column j covers u in [j, j + 1), the row covers v in [r, r + 1).
// Edges beyond the row's ends are folded onto them, so only columns 0..width-1 are kept.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace qd::host {

struct CoverEdge {
    double u0, v0, u1, v1;
    double v_min() const { return std::min(v0, v1); }
    double v_max() const { return std::max(v0, v1); }
};

class RowCoverage {
  public:
    // Room for a row of `width` columns, all empty.
    void reset(int width) {
        width_ = width;
        cells_.assign(static_cast<std::size_t>(width) + 2, 0.0f);
        lo_ = width_, hi_ = -1;
    }

    // The part of `e` within row r.
    void add(const CoverEdge& e, int r) {
        double u0 = e.u0, v0 = e.v0, u1 = e.u1, v1 = e.v1;
        double dir = 1;
        if (v0 == v1)
            return;
        if (v0 > v1)
            std::swap(u0, u1), std::swap(v0, v1), dir = -1;
        const double top = std::max(v0, static_cast<double>(r));
        const double bottom = std::min(v1, static_cast<double>(r) + 1);
        if (!(top < bottom))
            return;
        const double dudv = (u1 - u0) / (v1 - v0);
        add_piece(u0 + (top - v0) * dudv, u0 + (bottom - v0) * dudv, (bottom - top) * dir);
    }

    // Columns touched since the last take (lo > hi when none), clipped to the row.
    int lo() const { return std::max(lo_, 0); }
    int hi() const { return std::min(hi_, width_ - 1); }
    // Runs `visit(column, coverage)` over the touched columns left to right and empties the row;
    // returns the last column visited (or -1).
    template <typename Visit>
    int take(Visit&& visit) {
        float sum = 0;
        int last = hi();
        for (int j = lo(); j <= last; ++j) {
            sum += cells_[j];
            const float c = std::min(std::fabs(sum), 1.0f);
            if (c > 0)
                visit(j, c);
        }
        // A figure whose right edge lies beyond the row covers the rest of it.
        const float rest = std::min(std::fabs(sum), 1.0f);
        if (rest > 1e-6f) {
            for (int j = std::max(last + 1, lo()); j < width_; ++j)
                visit(j, rest);
            last = width_ - 1;
        }
        if (lo_ <= hi_)
            std::fill(cells_.begin() + lo_, cells_.begin() + std::min(hi_, width_ + 1) + 1, 0.0f);
        lo_ = width_, hi_ = -1;
        return last;
    }

  private:
    // A straight piece from u = a to u = b (either order) of height d within the row.
    void add_piece(double a, double b, double d) {
        if (a > b)
            std::swap(a, b);
        const double w = width_;
        if (b <= 0) {  // all left of the row: the whole height counts from column 0
            add_cell(0, d);
            return;
        }
        if (a >= w)
            return;   // right of every column
        if (a < 0) {  // the part left of column 0 folds onto it
            const double t = -a / (b - a);
            add_cell(0, d * t);
            d *= 1 - t;
            a = 0;
        }
        if (b > w) {
            d *= (w - a) / (b - a);
            b = w;
        }
        const int i0 = static_cast<int>(std::floor(a));
        const int i1 = static_cast<int>(std::ceil(b));
        if (i1 <= i0 + 1) {
            const double mid = 0.5 * (a + b) - i0;
            add_cell(i0, d - d * mid);
            add_cell(i0 + 1, d * mid);
            return;
        }
        const double s = 1 / (b - a);
        const double af = a - i0;
        const double a0 = 0.5 * s * (1 - af) * (1 - af);
        const double bf = b - i1 + 1;
        const double am = 0.5 * s * bf * bf;
        add_cell(i0, d * a0);
        if (i1 == i0 + 2) {
            add_cell(i0 + 1, d * (1 - a0 - am));
        } else {
            const double a1 = s * (1.5 - af);
            add_cell(i0 + 1, d * (a1 - a0));
            for (int i = i0 + 2; i < i1 - 1; ++i)
                add_cell(i, d * s);
            const double a2 = a1 + (i1 - i0 - 3) * s;
            add_cell(i1 - 1, d * (1 - a2 - am));
        }
        add_cell(i1, d * am);
    }
    void add_cell(int i, double v) {
        cells_[static_cast<std::size_t>(i)] += static_cast<float>(v);
        lo_ = std::min(lo_, i);
        hi_ = std::max(hi_, i);
    }

    int width_ = 0;
    int lo_ = 0, hi_ = -1;
    std::vector<float> cells_;
};

}  // namespace qd::host
