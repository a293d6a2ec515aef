// Exact area coverage of polygons, one row of pixels at a time, weighted by colour.
//
// Each edge adds, to the cells of the row it crosses, the signed area it leaves to its right
// within the cell and, to the next cell, the rest of its height; a running sum along the row is
// then the covered fraction of each pixel. Every edge carries a weight of four lanes (one, red,
// green and blue, times its figure's orientation), so the running sum of a run of figures that
// tile a region is, in every pixel, their total coverage and the sum of their colours by their
// areas (premultiplied): the whole run is blended as one layer, with no per-figure pass.
// Coordinates are cells: pixel column j covers u in [j, j + 1), the row covers v in [r, r + 1).
// Edges beyond the row's ends are folded onto them, so only columns 0..width-1 are kept.
// Each edge's piece of the row also notes the columns it touches; sorted (the edges of a row
// keep their order from row to row, so this is nearly free), they give the pixels to blend one
// by one (where a piece crosses them) and the runs between of one colour.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace qd::host {

// An edge going down (v0 < v1) and the weight its coverage carries.
struct AreaEdge {
    double u0, v0, u1, v1;
    double dudv;
    double base;  // u where the line meets v = 0
    double inv;   // 1 / |dudv|: the part of a row's height in each column the edge crosses
    __m128 weight;

    // The edge from (u0, v0) to (u1, v1) of a figure whose coverage is `weight`; false for a
    // horizontal one, which covers nothing.
    static bool make(double u0, double v0, double u1, double v1, __m128 weight, AreaEdge* e) {
        if (v0 == v1)
            return false;
        if (v0 > v1) {  // an edge going up takes away what one going down adds
            std::swap(u0, u1), std::swap(v0, v1);
            weight = _mm_sub_ps(_mm_setzero_ps(), weight);
        }
        const double dudv = (u1 - u0) / (v1 - v0);
        *e = {u0, v0, u1, v1, dudv, u0 - v0 * dudv, dudv != 0 ? 1 / std::fabs(dudv) : 0, weight};
        return true;
    }
};

class CellRow {
  public:
    // The columns of one piece: it crosses i0..i1 - 1 and, from i1 on, covers with its height.
    struct Range {
        int i0, i1;
        std::uint32_t edge;  // the caller's name for the edge
    };

    // Room for a row of `width` columns, all empty, and for the pieces of `edges` edges.
    void reset(int width, std::size_t edges) {
        width_ = width;
        cells_.assign(static_cast<std::size_t>(width) + 2, Cell{_mm_setzero_ps()});
        ranges_.resize(edges);
        count_ = 0;
    }

    // Adds the part of `e` within row r; false if nothing of it falls on the row.
    [[gnu::always_inline]] bool add(const AreaEdge& e, int r, std::uint32_t edge = 0) {
        const double rt = r;
        if (e.v0 <= rt && e.v1 >= rt + 1) [[likely]] {  // the edge crosses the whole row
            const double a = e.base + rt * e.dudv, b = a + e.dudv;
            const double lo = std::min(a, b), hi = std::max(a, b);
            if (lo >= 0 && hi <= width_) [[likely]] {
                const int i0 = static_cast<int>(lo);
                if (hi <=
                    i0 + 1) {  // within one column: the rest of the height counts from the next
                    const __m128 left = _mm_mul_ps(
                        e.weight, _mm_set1_ps(static_cast<float>(i0 + 1 - 0.5 * (lo + hi))));
                    __m128* const cell = &cells_.data()[i0].v;
                    cell[0] = _mm_add_ps(cell[0], left);
                    cell[1] = _mm_add_ps(cell[1], _mm_sub_ps(e.weight, left));
                    ranges_.data()[count_++] = {i0, i0 + 1, edge};
                    return true;
                }
                add_wide(lo, hi, i0, e.inv, e.weight, edge);
                return true;
            }
            return add_piece(lo, hi, 1, e.weight, edge);
        }
        const double top = e.v0 > rt ? e.v0 : rt;
        const double bottom = e.v1 < rt + 1 ? e.v1 : rt + 1;
        if (!(top < bottom))
            return false;
        const double a = e.base + top * e.dudv, b = e.base + bottom * e.dudv;
        return add_piece(std::min(a, b), std::max(a, b), bottom - top, e.weight, edge);
    }

    // The pieces added since the last take, in column order once sorted.
    void sort() {
        Range* const r = ranges_.data();
        const std::size_t n = count_;
        for (std::size_t i = 1; i < n; ++i) {
            if (r[i - 1].i0 <= r[i].i0)
                continue;
            const Range v = r[i];
            std::size_t k = i;
            for (; k > 0 && r[k - 1].i0 > v.i0; --k)
                r[k] = r[k - 1];
            r[k] = v;
        }
    }
    const Range* begin() const { return ranges_.data(); }
    const Range* end() const { return ranges_.data() + count_; }

    // Runs `run(j0, j1, sum)` left to right over the row from the first column a piece touched,
    // for every pixel a piece crosses (j0 == j1) and every run of columns between them, with
    // the running sum there (lane 0 the coverage), and empties the row. The pieces are sorted.
    template <typename Run>
    void take(Run&& run) {
        const Range* r = ranges_.data();
        const Range* const end = r + count_;
        if (r == end)
            return;
        Cell* const cells = cells_.data();
        __m128 sum = _mm_setzero_ps();
        int from = -1;  // the first column of the run not yet given
        while (r != end) {
            // The columns that pieces cross together: each pixel's sum takes them all.
            const int w0 = r->i0;
            int w1 = r->i1;
            for (++r; r != end && r->i0 <= w1; ++r)
                w1 = std::max(w1, r->i1);
            if (from >= 0 && from < w0)
                run(from, w0 - 1, sum);
            for (int j = w0; j < w1; ++j) {
                sum = _mm_add_ps(sum, cells[j].v);
                cells[j].v = _mm_setzero_ps();
                run(j, j, sum);
            }
            sum = _mm_add_ps(sum, cells[w1].v);
            cells[w1].v = _mm_setzero_ps();
            from = w1;
        }
        // A figure whose right edge lies beyond the row covers the rest of it.
        if (from < width_)
            run(from, width_ - 1, sum);
        count_ = 0;
    }

  private:
    // A piece of a whole row's height from u = a in column i0 to u = b > i0 + 1 within the row,
    // s = 1 / (b - a).
    [[gnu::always_inline]] void add_wide(double a, double b, int i0, double s, __m128 w,
                                         std::uint32_t edge) {
        const int t1 = static_cast<int>(b);
        const int i1 = t1 + (b > t1 ? 1 : 0);
        ranges_.data()[count_++] = {i0, i1, edge};
        const double af = a - i0;
        const double a0 = 0.5 * s * (1 - af) * (1 - af);
        const double bf = b - i1 + 1;
        const double am = 0.5 * s * bf * bf;
        add_cell(i0, a0, w);
        if (i1 == i0 + 2) {
            add_cell(i0 + 1, 1 - a0 - am, w);
        } else {
            const double a1 = s * (1.5 - af);
            add_cell(i0 + 1, a1 - a0, w);
            const __m128 each = _mm_mul_ps(w, _mm_set1_ps(static_cast<float>(s)));
            for (int i = i0 + 2; i < i1 - 1; ++i)
                add_cell(i, each);
            add_cell(i1 - 1, 1 - (a1 + (i1 - i0 - 3) * s) - am, w);
        }
        add_cell(i1, am, w);
    }
    // A straight piece from u = a to u = b >= a of height d within the row, in general.
    [[gnu::noinline]] bool add_piece(double a, double b, double d, __m128 w, std::uint32_t edge) {
        const double width = width_;
        if (b <= 0) {  // all left of the row: the whole height counts from column 0
            add_cell(0, d, w);
            ranges_.data()[count_++] = {0, 0, edge};
            return true;
        }
        if (a >= width)
            return false;  // right of every column
        if (a < 0) {       // the part left of column 0 folds onto it
            const double t = -a / (b - a);
            add_cell(0, d * t, w);
            d *= 1 - t;
            a = 0;
        }
        if (b > width) {
            d *= (width - a) / (b - a);
            b = width;
        }
        add_span(a, b, d, w, edge);
        return true;
    }
    // A piece within 0..width: floor and ceil by conversion.
    void add_span(double a, double b, double d, __m128 w, std::uint32_t edge) {
        const int i0 = static_cast<int>(a);
        const int t1 = static_cast<int>(b);
        const int i1 = std::max(t1 + (b > t1 ? 1 : 0), i0 + 1);
        ranges_.data()[count_++] = {i0, i1, edge};
        if (i1 == i0 + 1) {
            const double mid = 0.5 * (a + b) - i0;
            add_cell(i0, d - d * mid, w);
            add_cell(i0 + 1, d * mid, w);
            return;
        }
        const double s = 1 / (b - a);
        const double af = a - i0;
        const double a0 = 0.5 * s * (1 - af) * (1 - af);
        const double bf = b - i1 + 1;
        const double am = 0.5 * s * bf * bf;
        add_cell(i0, d * a0, w);
        if (i1 == i0 + 2) {
            add_cell(i0 + 1, d * (1 - a0 - am), w);
        } else {
            const double a1 = s * (1.5 - af);
            add_cell(i0 + 1, d * (a1 - a0), w);
            const __m128 each = _mm_mul_ps(w, _mm_set1_ps(static_cast<float>(d * s)));
            for (int i = i0 + 2; i < i1 - 1; ++i)
                add_cell(i, each);
            const double a2 = a1 + (i1 - i0 - 3) * s;
            add_cell(i1 - 1, d * (1 - a2 - am), w);
        }
        add_cell(i1, d * am, w);
    }
    void add_cell(int i, double v, __m128 w) {
        add_cell(i, _mm_mul_ps(w, _mm_set1_ps(static_cast<float>(v))));
    }
    void add_cell(int i, __m128 v) {
        __m128& cell = cells_.data()[i].v;
        cell = _mm_add_ps(cell, v);
    }

    struct Cell {
        __m128 v;
    };
    int width_ = 0;
    std::vector<Cell> cells_;
    std::vector<Range> ranges_;  // the pieces since the last take: the first count_
    std::size_t count_ = 0;
};

}  // namespace qd::host
