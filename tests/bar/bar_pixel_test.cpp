// The bar on the container's raster surface: what a person sees, checked by pixels and against
// reference pictures under ref/ (QD_UPDATE_REFERENCES=1 writes them afresh; look before keeping).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bar/progress_bar.h"
#include "foundation/random.h"
#include "tests/host/reference_compare.h"
#include "tests/support/raster_rig.h"

namespace qd::test {
namespace {

using namespace progress;

constexpr std::uint32_t kBackground = 0xFFFFFF;

// A bar sited on a raster picture box and label, `width` x `height` pixels.
struct RasterBar : RasterRig<_qdProgressBar> {
    RasterBar(int width, int height)
        : RasterRig(&create_progress_bar, width * 15.0f, height * 15.0f, kBackground) {}
    ComPtr<_qdProgressBar>& bar = control;
};

TEST(BarPixels, HalfABarFillsTheLeftHalf) {
    RasterBar b(200, 40);
    ASSERT_EQ(b.bar->put_BorderStyle(pFlat), S_OK);
    ASSERT_EQ(b.bar->put_FillType(pSingleColor), S_OK);
    ASSERT_EQ(b.bar->put_LabelPosition(bar_position::pNone), S_OK);
    ASSERT_EQ(b.bar->put_Value(50), S_OK);
    const host::Image& im = b.picture();
    ASSERT_EQ(im.width, 200);
    for (int y = 2; y < 38; y += 5) {
        for (int x = 2; x < 98; ++x)
            ASSERT_EQ(im.at(x, y), 0x0000FFu) << x << ", " << y;
        for (int x = 102; x < 200; ++x)
            ASSERT_EQ(im.at(x, y), kBackground) << x << ", " << y;
    }
    // The outline keeps the surface's ForeColor, which the single-colour fill never sets: here
    // the colour of band 75 of the three-colour pass drawn before the fill type changed.
    EXPECT_EQ(im.at(50, 0), 0x7F7F00u);
}

TEST(BarPixels, GradientBandsShowTheirColoursAtTheirPlaces) {
    RasterBar b(200, 40);
    ASSERT_EQ(b.bar->put_BorderStyle(pFlat), S_OK);
    ASSERT_EQ(b.bar->put_FillType(p2ColorGradient), S_OK);
    ASSERT_EQ(b.bar->put_FillColorEnd(0x0000FF), S_OK);
    ASSERT_EQ(b.bar->put_FillColorStart(0), S_OK);
    ASSERT_EQ(b.bar->put_Value(100), S_OK);
    // 100 bands of 2 pixels: band i covers pixels 2i - 2 and 2i - 1 with red floor(i * 2.55).
    const std::pair<int, std::uint32_t> bands[] = {{1, 2}, {25, 63}, {50, 127}, {100, 254}};
    for (const auto& [band, red] : bands) {
        EXPECT_EQ(b.picture().at(2 * band - 1, 20), red) << "band " << band;
        EXPECT_EQ(b.picture().at(2 * band - 2, 30), red) << "band " << band;
    }

    // Three colours: the middle colour sits at the middle of the bar.
    ASSERT_EQ(b.bar->put_FillColorMid(0xFF0000), S_OK);
    ASSERT_EQ(b.bar->put_FillColorEnd(0x00FF00), S_OK);
    ASSERT_EQ(b.bar->put_FillType(p3ColorGradient), S_OK);
    EXPECT_EQ(b.picture().at(99, 20), 0xFE0000u);   // band 50: blue 254
    EXPECT_EQ(b.picture().at(101, 20), 0xF90500u);  // band 51: blue 255 + floor(-5.1)
}

TEST(BarPixels, SunkenEdgeOnlyWith3D) {
    RasterBar b(200, 40);
    ASSERT_EQ(b.bar->put_LabelPosition(bar_position::pNone), S_OK);
    host::Image v = b.view();
    ASSERT_EQ(b.picture().width, 196);      // the edge takes two pixels a side
    EXPECT_NE(v.at(0, 20), v.at(199, 20));  // shadow on the left, light on the right
    EXPECT_NE(v.at(100, 0), b.picture().at(100, 0));

    ASSERT_EQ(b.bar->put_BorderStyle(pFlat), S_OK);
    v = b.view();
    ASSERT_EQ(b.picture().width, 200);
    EXPECT_EQ(v.pixels, b.picture().pixels);  // nothing but the picture
}

TEST(BarPixels, LabelSitsCentredVertically) {
    RasterBar b(200, 60);
    ASSERT_EQ(b.bar->put_BorderStyle(pFlat), S_OK);
    ASSERT_EQ(b.bar->put_FillType(pSingleColor), S_OK);
    ASSERT_EQ(b.bar->put_FillColorStart(0), S_OK);
    for (std::int32_t position :
         {bar_position::pLeft, bar_position::pCenter, bar_position::pRight}) {
        ASSERT_EQ(b.bar->put_LabelPosition(position), S_OK);
        const double top = b.label->top_px(), height = b.label->height_px();
        EXPECT_NEAR(top + height / 2, 30.0, 0.5) << position;

        // The text's ink lies within the label and around the middle row.
        const host::Image with = b.view();
        const host::Image& without = b.picture();
        int first = -1, last = -1;
        for (int y = 0; y < with.height; ++y)
            for (int x = 0; x < with.width; ++x)
                if (with.at(x, y) != without.at(x, y)) {
                    first = first < 0 ? y : first;
                    last = y;
                }
        ASSERT_GE(first, 0) << "no text drawn";
        EXPECT_GE(first, std::floor(top));
        EXPECT_LE(last, std::ceil(top + height));
        EXPECT_NEAR((first + last) / 2.0, 30.0, 3.0) << position;
    }
    EXPECT_EQ(b.label->left_px() + b.label->width_px(), 200.0);  // pRight touches the edge
}

TEST(BarPixels, DefaultBarAndEachFillMatchTheirReferences) {
    {
        RasterBar b(354, 26);  // the design extent, 5310 x 390 twips
        host::test::expect_matches_reference("bar_default", b.view());
    }
    const std::pair<std::int32_t, const char*> fills[] = {
        {pSingleColor, "bar_single_colour"},
        {p2ColorGradient, "bar_two_colours"},
        {p3ColorGradient, "bar_three_colours"},
        {pRandom, "bar_random"},
    };
    for (const auto& [fill, name] : fills) {
        RasterBar b(240, 30);
        set_random_state(327680);
        ASSERT_EQ(b.bar->put_FillType(fill), S_OK);
        ASSERT_EQ(b.bar->put_LabelType(pFraction), S_OK);
        ASSERT_EQ(b.bar->put_LabelPosition(bar_position::pLeft), S_OK);
        ASSERT_EQ(b.bar->put_Value(60), S_OK);
        host::test::expect_matches_reference(name, b.view());
    }
}

}  // namespace
}  // namespace qd::test
