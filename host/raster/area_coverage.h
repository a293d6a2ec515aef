// Exact area coverage of polygons, one row of pixels at a time, weighted by colour.
//
// Each edge adds, to the cells of the row it crosses, the signed area it leaves to its right
// within the cell and, to the next cell, the rest of its height; a running sum along the row is
// then the covered fraction of each pixel. Every edge carries a weight of four lanes (one, red,
// green and blue, times its figure's orientation), so the running sum of a run of figures that
// tile a region is, in every pixel, their total coverage and the sum of their colours by their
// areas (premultiplied): the whole run is blended as one layer, with no sort and no per-figure
// pass. Coordinates are cells: pixel column j covers u in [j, j + 1), the row covers v in
// [r, r + 1). Edges beyond the row's ends are folded onto them, so only columns 0..width-1 are
// kept. Touched cells are marked, a byte each, and read back in column order.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

namespace qd::host {

// An edge going down (v0 < v1) and the weight its coverage carries.
struct AreaEdge {
    double u0, v0, u1, v1;
    double dudv;
    double base;  // u where the line meets v = 0
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
        *e = {u0, v0, u1, v1, dudv, u0 - v0 * dudv, weight};
        return true;
    }
};

class CellRow {
  public:
    // Room for a row of `width` columns, all empty.
    void reset(int width) {
        width_ = width;
        cells_.assign(static_cast<std::size_t>(width) + 2, Cell{_mm_setzero_ps()});
        marks_.assign(static_cast<std::size_t>(width + 2 + 15) / 16 * 16 + 16, 0);
        lo_ = INT_MAX, hi_ = -1;
    }

    // The part of `e` within row r.
    void add(const AreaEdge& e, int r) {
        const double rt = r;
        if (e.v0 <= rt && e.v1 >= rt + 1) {  // most rows: the edge crosses the whole row
            const double a = e.base + rt * e.dudv;
            add_piece(a, a + e.dudv, 1, e.weight);
            return;
        }
        const double top = e.v0 > rt ? e.v0 : rt;
        const double bottom = e.v1 < rt + 1 ? e.v1 : rt + 1;
        if (top < bottom)
            add_piece(e.base + top * e.dudv, e.base + bottom * e.dudv, bottom - top, e.weight);
    }

    // Runs `run(j0, j1, sum)` left to right over the row from the first column an edge reached,
    // for every run of columns of one running sum (lane 0 the coverage), and empties the row.
    template <typename Run>
    void take(Run&& run) {
        if (lo_ > hi_)
            return;
        Cell* const cells = cells_.data();
        std::uint8_t* const marks = marks_.data();
        const __m128i none = _mm_setzero_si128();
        __m128 sum = _mm_setzero_ps();
        int from = -1;  // the first column of the run not yet given
        for (int c = lo_ & ~15; c <= hi_; c += 16) {
            __m128i* const group = reinterpret_cast<__m128i*>(marks + c);
            unsigned bits = ~static_cast<unsigned>(
                                _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(group), none))) &
                            0xFFFFu;
            if (bits == 0)
                continue;
            _mm_storeu_si128(group, none);
            do {
                const int t = c + std::countr_zero(bits);
                bits &= bits - 1;
                __m128& cell = cells[t].v;
                if (t < width_) {
                    if (from >= 0)
                        run(from, t - 1, sum);
                    sum = _mm_add_ps(sum, cell);
                    from = t;
                }
                cell = _mm_setzero_ps();
            } while (bits != 0);
        }
        // A figure whose right edge lies beyond the row covers the rest of it.
        if (from >= 0)
            run(from, width_ - 1, sum);
        lo_ = INT_MAX, hi_ = -1;
    }

  private:
    // A straight piece from u = a to u = b (either order) of height d within the row.
    void add_piece(double a, double b, double d, __m128 w) {
        if (a > b)
            std::swap(a, b);
        const double width = width_;
        if (a >= 0 && b <= width) {
            const int i0 = static_cast<int>(a);
            if (b <= i0 + 1) {  // within one column: the rest of its height counts from the next
                lo_ = std::min(lo_, i0);
                hi_ = std::max(hi_, i0 + 1);
                const __m128 all = _mm_mul_ps(w, _mm_set1_ps(static_cast<float>(d)));
                const __m128 left =
                    _mm_mul_ps(all, _mm_set1_ps(static_cast<float>(i0 + 1 - 0.5 * (a + b))));
                __m128* const cell = &cells_.data()[i0].v;
                cell[0] = _mm_add_ps(cell[0], left);
                cell[1] = _mm_add_ps(cell[1], _mm_sub_ps(all, left));
                const std::uint16_t both = 0x0101;
                std::memcpy(marks_.data() + i0, &both, 2);
                return;
            }
        } else {
            if (b <= 0) {  // all left of the row: the whole height counts from column 0
                lo_ = 0, hi_ = std::max(hi_, 0);
                add_cell(0, d, w);
                return;
            }
            if (a >= width)
                return;   // right of every column
            if (a < 0) {  // the part left of column 0 folds onto it
                const double t = -a / (b - a);
                lo_ = 0;
                add_cell(0, d * t, w);
                d *= 1 - t;
                a = 0;
            }
            if (b > width) {
                d *= (width - a) / (b - a);
                b = width;
            }
        }
        add_span(a, b, d, w);
    }
    // A piece within 0..width: floor and ceil by conversion.
    void add_span(double a, double b, double d, __m128 w) {
        const int i0 = static_cast<int>(a);
        const int t1 = static_cast<int>(b);
        const int i1 = std::max(t1 + (b > t1 ? 1 : 0), i0 + 1);
        lo_ = std::min(lo_, i0);
        hi_ = std::max(hi_, i1);
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
        marks_.data()[i] = 1;
    }

    struct Cell {
        __m128 v;
    };
    int width_ = 0;
    std::vector<Cell> cells_;
    std::vector<std::uint8_t> marks_;  // cells added to since the last take
    int lo_ = INT_MAX, hi_ = -1;       // no cell outside lo_..hi_ is marked
};

}  // namespace qd::host
