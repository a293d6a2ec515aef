// Smooth mode against a supersampled exact drawing, along the rays bands share, and between an
// incremental and a full pass.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "host/raster/area_coverage.h"
#include "hosted_view.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

constexpr int kBands = 101;

std::uint32_t band_colour(int i) {  // red to yellow to green, as a gradient pie
    const int red = i <= 50 ? 255 : 255 - (i - 50) * 5;
    const int green = i <= 50 ? i * 5 : 255;
    return static_cast<std::uint32_t>(red | (green << 8));
}

double band_start(int i) {
    return i == 0 ? 0.0001 : (i - 1) * 2 * kPi / 100 + 0.0001;
}

// A pie's full pass on `box` in pixel scale, every length times `k` and shifted by `shift`.
// Bands take `colour(i)`, the gradient unless given.
void draw_pie(RasterPictureBox* box, double cx, double cy, double r, double k, double shift,
              std::uint32_t (*colour)(int) = band_colour) {
    const auto at = [&](double v) { return static_cast<float>(v * k + shift); };
    box->Cls();
    box->put_FillStyle(1);
    box->put_DrawStyle(0);
    box->put_DrawWidth(static_cast<std::int16_t>(k));
    box->put_ForeColor(0x404040);
    ellipse(box, at(cx), at(cy), static_cast<float>((r + 1) * k));
    box->put_FillStyle(0);
    box->put_DrawStyle(5);
    for (int i = 0; i < kBands; ++i) {
        box->put_FillColor(colour(i));
        const double end = std::min(i * 2 * kPi / 100 + 0.05, 2 * kPi - 1e-4);
        sector(box, at(cx), at(cy), static_cast<float>(r * k), -static_cast<float>(band_start(i)),
               -static_cast<float>(end));
    }
}

ComPtr<RasterPictureBox> box_for(int w, int h, bool smooth) {
    auto box = RasterPictureBox::make(DeviceOptions{1, smooth});
    box->resize_pixels(w, h);
    box->set_background(kWhite);
    box->put_ScaleMode(3);
    return box;
}

int channel(std::uint32_t p, int c) {
    return static_cast<int>((p >> (8 * c)) & 0xFF);
}

TEST(Smooth, RowCoverageIsThePolygonsAreaInEachPixel) {
    // Polygons in cells of a row of 10 columns, row 0, and the area expected in each column.
    struct Case {
        const char* what;
        std::vector<std::pair<double, double>> points;
        std::vector<double> expected;
    };
    const std::vector<Case> cases = {
        {"a box from 2.25 to 5.5, a quarter to three quarters down",
         {{2.25, 0.25}, {5.5, 0.25}, {5.5, 0.75}, {2.25, 0.75}},
         {0, 0, 0.375, 0.5, 0.5, 0.25, 0, 0, 0, 0}},
        {"the same box the other way round",
         {{2.25, 0.25}, {2.25, 0.75}, {5.5, 0.75}, {5.5, 0.25}},
         {0, 0, 0.375, 0.5, 0.5, 0.25, 0, 0, 0, 0}},
        {"a triangle under a diagonal across two cells",
         {{1, 0}, {3, 1}, {1, 1}},
         {0, 0.75, 0.25, 0, 0, 0, 0, 0, 0, 0}},
        {"a box from beyond the left end to beyond the right",
         {{-7, 0}, {14, 0}, {14, 1}, {-7, 1}},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"a slanted edge starting left of the row",
         {{-2, 0}, {8, 0}, {8, 1}, {-1, 1}},
         {1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"a wedge leaving past the right end",
         {{6, 0.5}, {30, 0}, {30, 1}},
         {0, 0, 0, 0, 0, 0, 0.0208, 0.0625, 0.1042, 0.1458}},
        {"a ring: a box with a box-shaped hole",
         {{1, 0}, {9, 0}, {9, 1}, {1, 1}, {1, 0}, {3, 0}, {3, 1}, {7, 1}, {7, 0}, {1, 0}},
         {0, 1, 1, 0, 0, 0, 0, 1, 1, 0}},
    };
    CellRow row;
    for (const Case& c : cases) {
        row.reset(10, c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const auto& p = c.points[i];
            const auto& q = c.points[(i + 1) % c.points.size()];
            AreaEdge e;
            if (AreaEdge::make(p.first, p.second, q.first, q.second, _mm_set1_ps(1), &e))
                row.add(e, 0);
        }
        row.sort();
        std::vector<double> got(10, 0.0);
        row.take([&](int j0, int j1, __m128 sum) {
            for (int j = j0; j <= j1; ++j)  // either orientation
                got[static_cast<std::size_t>(j)] += std::fabs(_mm_cvtss_f32(sum));
        });
        for (int j = 0; j < 10; ++j)
            EXPECT_NEAR(got[static_cast<std::size_t>(j)], c.expected[static_cast<std::size_t>(j)],
                        1e-3)
                << c.what << ", column " << j;
    }
}

TEST(Smooth, MatchesAnExactDrawingAtSixteenTimesTheSize) {
    constexpr int kSide = 120, kK = 16;
    const double cx = 60.3, cy = 59.6, r = 50.2;  // off the pixel grid on purpose
    // The gradient, and blocks of ten bands of one colour (no edge left between them).
    std::uint32_t (*const colourings[])(int) = {band_colour,
                                                [](int i) { return band_colour(i / 10 * 10); }};
    for (const auto colour : colourings) {
        auto smooth = box_for(kSide, kSide, true);
        draw_pie(smooth.get(), cx, cy, r, 1, 0, colour);
        // Pixel (x, y) of the small picture covers x - 0.5..x + 0.5: the big picture's pixels
        // 16 x .. 16 x + 15, whose centres lie at 16 (u + 0.5) - 0.5 for a small coordinate u.
        auto big = box_for(kSide * kK, kSide * kK, false);
        draw_pie(big.get(), cx, cy, r, kK, kK / 2.0 - 0.5, colour);
        const Image& s = smooth->picture();
        const Image& b = big->picture();
        double total = 0;
        int worst = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                for (int c = 0; c < 3; ++c) {
                    int sum = 0;
                    for (int j = 0; j < kK; ++j)
                        for (int i = 0; i < kK; ++i)
                            sum += channel(b.at(x * kK + i, y * kK + j), c);
                    const int d =
                        std::abs(channel(s.at(x, y), c) - (sum + kK * kK / 2) / (kK * kK));
                    total += d;
                    worst = std::max(worst, d);
                }
        EXPECT_LT(total / (kSide * kSide * 3), 2.0);
        EXPECT_LE(worst, 24);
    }
}

TEST(Smooth, BandsSharingARayLeaveNoSeam) {
    auto box = box_for(200, 200, true);
    const double cx = 100, cy = 100, r = 90;
    draw_pie(box.get(), cx, cy, r, 1, 0);
    const Image& im = box->picture();
    // Along the ray where band i + 1 starts, every pixel lies between the colours of the bands
    // that meet there (near the centre a pixel spans four): never darker than both.
    for (int i = 5; i < 95; ++i) {  // away from 3 o'clock, where the last band meets the first
        const double t = band_start(i + 1);
        for (double d = 6; d < r - 3; d += 1) {
            const int x = static_cast<int>(std::lround(cx + d * std::cos(t)));
            const int y = static_cast<int>(std::lround(cy - d * std::sin(t)));
            const std::uint32_t p = im.at(x, y);
            for (int c = 0; c < 3; ++c) {
                int lo = 255, hi = 0;
                for (int k = i - 1; k <= i + 2; ++k) {
                    lo = std::min(lo, channel(band_colour(k), c));
                    hi = std::max(hi, channel(band_colour(k), c));
                }
                ASSERT_GE(channel(p, c), lo - 1) << "band " << i << " at " << d;
                ASSERT_LE(channel(p, c), hi + 1) << "band " << i << " at " << d;
            }
        }
    }
}

TEST(Smooth, AnIncrementalPassEqualsAFullOne) {
    // The same figures, once as one pass and once with the picture read after every band (as a
    // host shows each update): each update re-renders only what its band touches.
    auto full = box_for(160, 120, true);
    auto stepped = box_for(160, 120, true);
    for (RasterPictureBox* box : {full.get(), stepped.get()}) {
        box->Cls();
        box->put_FillStyle(0);
        box->put_DrawStyle(5);
    }
    for (int i = 0; i < kBands; ++i) {
        const double end = std::min(i * 2 * kPi / 100 + 0.05, 2 * kPi - 1e-4);
        const Image before = stepped->picture();
        stepped->take_damage();
        for (RasterPictureBox* box : {full.get(), stepped.get()}) {
            box->put_FillColor(band_colour(i));
            sector(box, 80.2, 60.4, 55.3, -static_cast<float>(band_start(i)),
                   -static_cast<float>(end), 0.9f);
        }
        // What changed lies within the band's damage.
        const PixelRect damage = stepped->take_damage();
        const Image& after = stepped->picture();
        for (int y = 0; y < after.height; ++y)
            for (int x = 0; x < after.width; ++x)
                if (i > 0 && before.at(x, y) != after.at(x, y)) {
                    ASSERT_TRUE(damage.contains(x, y)) << "band " << i << " at " << x << "," << y;
                }
    }
    const Image& a = full->picture();
    const Image& b = stepped->picture();
    int worst = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        for (int c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(channel(a.pixels[i], c) - channel(b.pixels[i], c)));
    EXPECT_LE(worst, 1);
}

}  // namespace
}  // namespace qd::host::test
