// The surface's fast paths against what they stand for: the ellipse rows a box keeps between
// figures, and boxes whose outline and fill are plain colours written in one pass.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "host/raster/paint.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

// Forgets the ellipse rows a box keeps, without touching its picture: a resize to one row more
// and back keeps every pixel that fits.
void forget_rows(RasterPictureBox* box) {
    const int w = box->picture().width, h = box->picture().height;
    box->resize_pixels(w, h + 1);
    box->resize_pixels(w, h);
}

TEST(FastPaths, KeptEllipseRowsDrawWhatFreshOnesDraw) {
    std::mt19937 rng(81208);
    std::uniform_real_distribution<float> centre(20.0f, 140.0f), radius(5.0f, 90.0f),
        angle(0.0f, 6.2831f);
    std::uniform_int_distribution<int> pick(0, 2), ring(0, 3), pen(1, 3);
    auto kept = pixel_box(160, 120);
    auto fresh = pixel_box(160, 120);
    // Three ellipses in turn (the same one again and again, as a pie's bands, then another),
    // some centred between pixels, some at twips scale, some reaching beyond the picture.
    const float ellipses[3][4] = {{80, 60, 50, 1.0f},
                                  {80.5f, 59.25f, 70, 0.6f},
                                  {centre(rng), centre(rng), radius(rng), 1.4f}};
    for (int k = 0; k < 300; ++k) {
        const float* e = ellipses[pick(rng)];
        const float s = angle(rng), t = angle(rng);
        const auto colour = static_cast<OLE_COLOR>(rng() & 0xFFFFFF);
        // Now and then the ellipse's outline alone, as a pie's border: the kept ring rows.
        const bool outline = ring(rng) == 0;
        const auto width = static_cast<std::int16_t>(pen(rng));
        const auto style = static_cast<std::int16_t>(pen(rng) == 3 ? 6 : 0);  // inside solid
        for (RasterPictureBox* box : {kept.get(), fresh.get()}) {
            if (box == fresh.get())
                forget_rows(box);
            if (outline) {
                box->put_FillStyle(1);
                box->put_DrawWidth(width);
                box->put_DrawStyle(style);
                box->put_ForeColor(colour);
                ASSERT_EQ(ellipse(box, e[0], e[1], e[2], e[3]), S_OK);
                box->put_FillStyle(0);
                box->put_DrawStyle(5);
            } else {
                box->put_FillColor(colour);
                ASSERT_EQ(sector(box, e[0], e[1], e[2], -s, -t, e[3]), S_OK);
            }
        }
        // Compared at every step: a later figure may cover a wrong pixel.
        ASSERT_EQ(kept->picture().pixels, fresh->picture().pixels) << "figure " << k;
    }
    for (float scale : {1.0f, 15.0f}) {  // pixels, then twips: centres off the pixel grid
        kept->put_ScaleMode(scale == 1 ? 3 : 1);
        fresh->put_ScaleMode(scale == 1 ? 3 : 1);
        for (int i = 1; i <= 100; ++i) {
            const float a = 0.0628f * static_cast<float>(i - 1),
                        b = 0.0628f * static_cast<float>(i);
            for (RasterPictureBox* box : {kept.get(), fresh.get()}) {
                if (box == fresh.get())
                    forget_rows(box);
                box->put_FillColor(static_cast<OLE_COLOR>(i * 2500));
                sector(box, 1201 * scale / 15, 899 * scale / 15, 1000 * scale / 15, -a, -b, 0.75f);
            }
        }
    }
    ASSERT_EQ(kept->picture().pixels, fresh->picture().pixels);
}

// The box a solid pen of `width` (centred, or inside for style 6) and a solid fill make, pixel
// by pixel: the outline's ring in `pen`, the rest of the box in `fill`.
std::uint32_t expected_box_pixel(int x, int y, int l, int t, int r, int b, int width, int style,
                                 std::uint32_t pen, std::uint32_t fill, std::uint32_t ground) {
    const int lo = style == 6 ? 0 : (width - 1) / 2, hi = style == 6 ? 0 : width / 2;
    const int ol = l - lo, ot = t - lo, orr = r + hi, ob = b + hi;
    if (x < ol || x > orr || y < ot || y > ob)
        return ground;
    const bool hole = x >= ol + width && x <= orr - width && y >= ot + width && y <= ob - width;
    return hole ? fill : pen;
}

TEST(FastPaths, PlainBoxesMatchTheirOutlineAndFill) {
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> coord(-6, 45), width(1, 6);
    for (int trial = 0; trial < 200; ++trial) {
        auto box = pixel_box(40, 30);
        const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
        const int w = width(rng), style = trial % 2 ? 6 : 0;
        const std::uint32_t pen = trial % 3 ? kBlue : kRed;  // the bar's boxes: pen = fill
        box->put_DrawWidth(static_cast<std::int16_t>(w));
        box->put_DrawStyle(static_cast<std::int16_t>(style));
        box->put_ForeColor(pen);
        ASSERT_EQ(box->Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                            static_cast<float>(y2)),
                  S_OK);
        const int l = std::min(x1, x2), r = std::max(x1, x2);
        const int t = std::min(y1, y2), b = std::max(y1, y2);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(box->picture().at(x, y),
                          expected_box_pixel(x, y, l, t, r, b, w, style, pen, kRed, kWhite))
                    << "box " << x1 << "," << y1 << " " << x2 << "," << y2 << " width " << w
                    << " style " << style << " at " << x << "," << y;
    }
}

// Runs are written with overlapping stores of four and sixteen pixels: every length and offset
// must write exactly its pixels, nothing before or after.
TEST(FastPaths, RunsWriteExactlyTheirPixels) {
    for (const auto fill : {&fill_pixels, &fill_long}) {
        for (int offset = 0; offset < 4; ++offset) {
            for (int n = -1; n <= 80; ++n) {
                std::vector<std::uint32_t> row(96, 0u);
                fill(row.data() + 8 + offset, n, 7u);
                for (int x = 0; x < 96; ++x) {
                    const bool inside = x >= 8 + offset && x < 8 + offset + n;
                    ASSERT_EQ(row[x], inside ? 7u : 0u) << "offset " << offset << " n " << n;
                }
            }
        }
    }
}

}  // namespace
}  // namespace qd::host::test
