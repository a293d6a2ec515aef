// Whole controls on the raster surface: the pie and the bar drawn through their own routines,
// checked by pixels at known angles and guarded by reference pictures.
#include <gtest/gtest.h>

#include "host/raster/font_face.h"
#include "hosted_view.h"
#include "raster_fixture.h"
#include "reference_compare.h"

namespace qd::host::test {
namespace {

// A control sited on a raster picture box and label at scale 1, as a container hosts it.
using HostedView = DeviceView;

HostedView pie(float w = 3000, float h = 3000) {
    return HostedView(progress::create_progress_pie, w, h);
}

// The colour at `deg` degrees counter-clockwise from 3 o'clock, `dist` pixels from the centre.
std::uint32_t at_angle(const Image& im, double deg, double dist) {
    const double t = deg * kPi / 180;
    const int cx = im.width / 2, cy = im.height / 2;
    return im.at(static_cast<int>(std::lround(cx + dist * std::cos(t))),
                 static_cast<int>(std::lround(cy - dist * std::sin(t))));
}

TEST(ControlViews, SingleColourPieFillsItsQuadrants) {
    HostedView p = pie();
    p.put("LabelPosition", Variant(std::int32_t{0}));
    p.put("FillType", Variant(std::int32_t{0}));
    p.put("FillColorStart", Variant(std::int32_t{0x0000FF}));
    const std::uint32_t bg = p.box->background_pixel();
    for (double pct : {25.0, 50.0, 75.0}) {
        p.put("Value", Variant(static_cast<float>(pct)));
        const Image& im = p.box->picture();
        const double filled = pct * 3.6;
        for (double d = 5; d < 360; d += 10) {
            const bool inside = d < filled - 2;
            const bool outside = d > filled + 2;
            if (inside) {
                EXPECT_EQ(at_angle(im, d, 60), 0x0000FFu) << pct << "% at " << d;
            }
            if (outside) {
                EXPECT_EQ(at_angle(im, d, 60), bg) << pct << "% at " << d;
            }
        }
    }
    // At Min the sector is empty: nothing of the fill colour remains.
    p.put("Value", Variant(0.0f));
    EXPECT_EQ(count_pixels(p.box->picture(), 0x0000FF), 0);
}

TEST(ControlViews, PieBandsAndBorderLieWhereTheyShould) {
    HostedView p = pie();  // 200 x 200 pixels: centre 100, r 94, border at 95
    p.put("LabelPosition", Variant(std::int32_t{0}));
    p.put("FillColorStart", Variant(std::int32_t{0x0000FF}));
    p.put("FillColorMid", Variant(std::int32_t{0x00FF00}));
    p.put("FillColorEnd", Variant(std::int32_t{0xFF0000}));
    p.put("FillType", Variant(std::int32_t{2}));
    p.put("BorderColor", Variant(std::int32_t{0x000000}));
    p.put("BorderWidth", Variant(3.0f));
    p.put("Value", Variant(100.0f));
    const Image& im = p.box->picture();
    // Start, middle and end colours at 3 o'clock (just above), 9 o'clock and just below 3.
    EXPECT_GE(at_angle(im, 2, 60) & 0xFF, 0xF0u);
    EXPECT_EQ(at_angle(im, 181, 60) & 0xFF, 0u);
    EXPECT_GE((at_angle(im, 181, 60) >> 8) & 0xFF, 0xF0u);
    EXPECT_GE((at_angle(im, 357, 60) >> 16) & 0xFF, 0xF0u);
    // The border: a ring 3 pixels wide centred on radius 95, its inner pixel painted over by
    // the fill, which reaches radius 94.
    for (int dx = 92; dx <= 98; ++dx) {
        const bool ring = dx >= 95 && dx <= 96;
        EXPECT_EQ(im.at(100 - dx, 100) == 0, ring) << dx;
        EXPECT_EQ(im.at(100, 100 + dx) == 0, ring) << dx;
    }
}

TEST(ControlViews, ReferencePictures) {
    if (!FontFace::shared().available())
        GTEST_SKIP() << "no sans-serif face on this machine";
    {
        HostedView p = pie();
        expect_matches_reference("pie_default", p.view());
    }
    {
        HostedView p = pie(4500, 2400);
        p.put("FillType", Variant(std::int32_t{3}));
        p.put("LabelPosition", Variant(std::int32_t{4}));
        p.put("Value", Variant(60.0f));
        expect_matches_reference("pie_random_wide", p.view());
    }
    {
        HostedView p = pie();
        p.put("FillType", Variant(std::int32_t{0}));
        p.put("FillStyle", Variant(std::int32_t{7}));
        p.put("FillColorStart", Variant(std::int32_t{0x800000}));
        p.put("LabelType", Variant(std::int32_t{1}));
        p.put("Value", Variant(40.0f));
        expect_matches_reference("pie_hatched", p.view());
    }
    {
        HostedView b(progress::create_progress_bar, 5310, 390);
        b.put("BorderStyle", Variant(std::int32_t{1}));
        b.put("Value", Variant(64.0f));
        expect_matches_reference("bar_3d", b.view());
    }
}

}  // namespace
}  // namespace qd::host::test
