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
        touched_.clear();
        touched_.reserve(64);
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

    // Runs `span(j0, j1, coverage)` over the row left to right, for every run of columns of one
    // coverage above zero, and empties the row.
    template <typename Span>
    void take(Span&& span) {
        // A row holds a few cells an edge: insertion sort.
        int* const t0 = touched_.data();
        const std::size_t count = touched_.size();
        for (std::size_t i = 1; i < count; ++i) {
            const int v = t0[i];
            std::size_t k = i;
            for (; k > 0 && t0[k - 1] > v; --k)
                t0[k] = t0[k - 1];
            t0[k] = v;
        }
        float sum = 0;
        int from = 0;  // the first column not yet given
        int last = -1;
        for (const int t : touched_) {
            if (t == last)
                continue;
            last = t;
            if (t >= width_) {
                cells_[static_cast<std::size_t>(t)] = 0;
                continue;
            }
            const float before = std::min(std::fabs(sum), 1.0f);
            if (t > from && before > kNone)
                span(from, t - 1, before);
            sum += cells_[static_cast<std::size_t>(t)];
            cells_[static_cast<std::size_t>(t)] = 0;
            const float c = std::min(std::fabs(sum), 1.0f);
            if (c > kNone)
                span(t, t, c);
            from = t + 1;
        }
        // A figure whose right edge lies beyond the row covers the rest of it.
        const float rest = std::min(std::fabs(sum), 1.0f);
        if (from < width_ && rest > kNone && !touched_.empty())
            span(from, width_ - 1, rest);
        touched_.clear();
    }

    // Coverage at or below this is none, at or above 1 - kNone whole.
    static constexpr float kNone = 1e-4f;

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
        // Both ends lie within 0..width here: floor and ceil by conversion.
        const int i0 = static_cast<int>(a);
        const int t1 = static_cast<int>(b);
        const int i1 = t1 + (b > t1 ? 1 : 0);
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
        float& cell = cells_[static_cast<std::size_t>(i)];
        if (cell == 0)  // a cell already listed keeps its place
            touched_.push_back(i);
        cell += static_cast<float>(v);
    }

    int width_ = 0;
    std::vector<float> cells_;
    std::vector<int> touched_;  // cells added to since the last take, in any order
};

}  // namespace qd::host
