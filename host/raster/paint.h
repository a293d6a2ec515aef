// What colour a covered pixel gets and how it combines with what is there.
//
// A Paint is a colour source (solid, or one of the six hatch patterns) joined with one of the
// sixteen raster operations. Every raster operation is a truth table over the pen bit P and the
// destination bit D; with P fixed for a span it reduces to  d' = A ^ (d & M), so one tight loop
// serves all sixteen (copy pen is M = 0, a plain fill).
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <cstdint>

namespace qd::host {

inline constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

// Fill styles of the surface.
enum FillStyleValue : int {
    kFillSolid = 0,
    kFillTransparent = 1,
    kHatchHorizontal = 2,
    kHatchVertical = 3,
    kHatchUpwardDiagonal = 4,
    kHatchDownwardDiagonal = 5,
    kHatchCross = 6,
    kHatchDiagonalCross = 7,
};

// The raster operation that writes the pen's colour whatever was there.
inline constexpr int kCopyPen = 13;

struct Paint {
    std::uint32_t a = 0;  // result where the destination bit is 0
    std::uint32_t m = 0;  // bits where the destination decides: d' = a ^ (d & m)
    int pattern = kFillSolid;

    // `mode` is a raster operation 1-16 (13 copy pen, 7 xor pen, 6 invert ...).
    static Paint make(std::uint32_t pixel, int mode, int pattern = kFillSolid) {
        const unsigned table = static_cast<unsigned>(mode - 1);
        const auto bits = [&](int k) { return (table >> k) & 1u ? kRgbMask : 0u; };
        const std::uint32_t p = pixel & kRgbMask;
        const std::uint32_t on_d0 = (bits(0) & ~p) | (bits(2) & p);
        const std::uint32_t on_d1 = (bits(1) & ~p) | (bits(3) & p);
        return Paint{on_d0 & kRgbMask, (on_d0 ^ on_d1) & kRgbMask, pattern};
    }

    std::uint32_t apply(std::uint32_t d) const { return a ^ (d & m); }
    // A solid copy of one colour: the pixel becomes `a` whatever was there.
    bool plain() const { return pattern == kFillSolid && m == 0; }
};

// The 8-pixel hatch mask of row y: bit k set means columns x with x % 8 == k are painted.
// Patterns are anchored to the picture so that neighbouring figures line up.
inline std::uint8_t hatch_row_mask(int pattern, int y) {
    const int r = y & 7;
    const auto bit = [](int k) { return static_cast<std::uint8_t>(1u << (k & 7)); };
    const std::uint8_t horizontal = r == 0 ? 0xFF : 0;
    const std::uint8_t vertical = bit(0);
    const std::uint8_t upward = bit(8 - r);  // x + y = 0 (mod 8): "/"
    const std::uint8_t downward = bit(r);    // x - y = 0 (mod 8): "\"
    switch (pattern) {
        case kHatchHorizontal:
            return horizontal;
        case kHatchVertical:
            return vertical;
        case kHatchUpwardDiagonal:
            return upward;
        case kHatchDownwardDiagonal:
            return downward;
        case kHatchCross:
            return horizontal | vertical;
        case kHatchDiagonalCross:
            return upward | downward;
        default:
            return 0xFF;
    }
}

// Writes n copies of `pixel` (none when n <= 0). The spans of thin sectors are short, so a run
// below four pixels is three overlapping stores and no loop, and a run of four to eight is two
// overlapping blocks of four; longer runs fill the blocks between those two.
inline void fill_pixels(std::uint32_t* p, int n, std::uint32_t pixel) {
    if (n < 4) {
        if (n > 0) {
            p[0] = pixel;
            p[n >> 1] = pixel;
            p[n - 1] = pixel;
        }
        return;
    }
    const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + n - 4), four);
    for (int i = 4; i < n - 4; i += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), four);
}

// The same for long runs (whole rows of a clear), sixteen pixels a turn.
inline void fill_long(std::uint32_t* p, int n, std::uint32_t pixel) {
    if (n < 16) {
        fill_pixels(p, n, pixel);
        return;
    }
    const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
    int i = 0;
    for (; i < n - 16; i += 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), four);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 4), four);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 8), four);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 12), four);
    }
    for (i = n - 16; i < n; i += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), four);
}

// Paints pixels x0..x1 (inclusive, already clipped) of one row.
inline void paint_span(std::uint32_t* row, int y, int x0, int x1, const Paint& paint) {
    if (x1 < x0)
        return;
    std::uint32_t* p = row + x0;
    const int n = x1 - x0 + 1;
    if (paint.pattern == kFillSolid) {
        if (paint.m == 0) {
            fill_pixels(p, n, paint.a);
            return;
        }
        const std::uint32_t a = paint.a, m = paint.m;
        for (int i = 0; i < n; ++i)
            p[i] = a ^ (p[i] & m);
        return;
    }
    const std::uint8_t mask = hatch_row_mask(paint.pattern, y);
    if (mask == 0)
        return;
    for (int x = x0; x <= x1; ++x)
        if ((mask >> (x & 7)) & 1u)
            row[x] = paint.apply(row[x]);
}

}  // namespace qd::host
