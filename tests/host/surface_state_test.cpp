// The picture box's drawing state, fills, raster operations, clipping and size rules.
#include <gtest/gtest.h>

#include "host/raster/system_colours.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

constexpr HRESULT kRefused = runtime_error_code(ErrorNumber::InvalidPropertyValue);

TEST(SurfaceState, OutOfRangeValuesAreRefusedAndLeaveTheStateAlone) {
    auto box = pixel_box(40, 40);
    EXPECT_EQ(box->put_FillStyle(8), kRefused);
    EXPECT_EQ(box->put_FillStyle(-1), kRefused);
    EXPECT_EQ(box->put_DrawWidth(0), kRefused);
    EXPECT_EQ(box->put_DrawWidth(-3), kRefused);
    EXPECT_EQ(box->put_DrawStyle(7), kRefused);
    EXPECT_EQ(box->put_DrawMode(0), kRefused);
    EXPECT_EQ(box->put_DrawMode(17), kRefused);
    EXPECT_EQ(box->put_BorderStyle(2), kRefused);
    EXPECT_EQ(box->put_ScaleMode(2), kRefused);
    EXPECT_EQ(box->put_FillColor(static_cast<OLE_COLOR>(0x80000040u)), kRefused);
    EXPECT_EQ(box->put_Width(-15), kRefused);
    EXPECT_EQ(box->put_Width(15.0f * 16385), kRefused);  // beyond the size limit: no allocation
    EXPECT_EQ(box->picture().width, 40);
    std::int16_t mode = 0;
    box->get_ScaleMode(&mode);
    EXPECT_EQ(mode, 3);

    // The refused values changed nothing: the fill still paints solid red, copy pen.
    ASSERT_EQ(box->Line(5, 5, 10, 10), S_OK);
    EXPECT_EQ(box->picture().at(7, 7), kRed);
    EXPECT_EQ(box->picture().at(5, 5), kRed);  // no outline: DrawStyle 5 survived
}

TEST(SurfaceState, ScaleModesSizesAndTheSunkenEdge) {
    auto box = RasterPictureBox::make();
    ASSERT_EQ(box->put_Width(3000), S_OK);
    ASSERT_EQ(box->put_Height(1500), S_OK);
    float v = 0;
    box->get_ScaleWidth(&v);
    EXPECT_EQ(v, 3000);  // twips by default
    box->put_ScaleMode(3);
    box->get_ScaleWidth(&v);
    EXPECT_EQ(v, 200);
    box->get_ScaleHeight(&v);
    EXPECT_EQ(v, 100);
    ASSERT_EQ(box->put_BorderStyle(1), S_OK);  // the edge takes 2 pixels a side
    box->get_ScaleWidth(&v);
    EXPECT_EQ(v, 196);
    box->get_ScaleHeight(&v);
    EXPECT_EQ(v, 96);
    box->get_Width(&v);
    EXPECT_EQ(v, 3000);  // the outer size is the container's

    // Resizing keeps what still fits and shows the background elsewhere.
    box->set_background(kWhite);
    box->Cls();
    box->put_FillStyle(0);
    box->put_FillColor(kBlue);
    box->Line(0, 0, 300, 300);
    box->put_Width(3000 + 15 * 10);
    EXPECT_EQ(box->picture().width, 206);
    EXPECT_EQ(box->picture().at(195, 50), kBlue);
    EXPECT_EQ(box->picture().at(200, 50), kWhite);

    // A zero-sized box draws nothing and does not fail.
    box->put_Width(0);
    EXPECT_EQ(box->picture().width, 0);
    EXPECT_EQ(box->Cls(), S_OK);
    EXPECT_EQ(ellipse(box.get(), 10, 10, 50), S_OK);
    EXPECT_EQ(box->Line(0, 0, 100, 100), S_OK);
}

TEST(SurfaceState, BoxesClipAtTheInnerEdgeAndFollowTheScale) {
    auto box = RasterPictureBox::make();
    box->put_Width(100 * 15);
    box->put_Height(50 * 15);
    box->put_BorderStyle(1);  // inner 96 x 46
    box->set_background(kWhite);
    box->Cls();
    box->put_FillStyle(0);
    box->put_FillColor(kRed);
    box->put_ForeColor(kBlue);
    // The bar's full box: outer Width and Height in twips, beyond the inner area.
    ASSERT_EQ(box->Line(0, 0, 100 * 15, 50 * 15), S_OK);
    const Image& p = box->picture();
    EXPECT_EQ(p.at(0, 0), kBlue);   // outline on the top-left edges
    EXPECT_EQ(p.at(1, 1), kRed);    // interior
    EXPECT_EQ(p.at(95, 45), kRed);  // the right and bottom outline lie beyond the clip
    EXPECT_EQ(count_pixels(p, kWhite), 0);

    // A zero-width box is a one-pixel line in the outline colour; with a transparent fill
    // only outlines appear.
    box->Cls();
    box->put_FillStyle(1);
    ASSERT_EQ(box->Line(30 * 15, 0, 30 * 15, 50 * 15), S_OK);
    ASSERT_EQ(box->Line(40 * 15, 10 * 15, 60 * 15, 20 * 15), S_OK);
    EXPECT_EQ(p.at(30, 20), kBlue);
    EXPECT_EQ(p.at(29, 20), kWhite);
    EXPECT_EQ(p.at(31, 20), kWhite);
    EXPECT_EQ(p.at(40, 15), kBlue);
    EXPECT_EQ(p.at(50, 15), kWhite);
    EXPECT_EQ(p.at(50, 20), kBlue);
}

TEST(SurfaceState, HatchPatternsPaintTheirLinesOnly) {
    // Each hatch, checked over one 8 x 8 cell inside a filled box: which cells are painted.
    const struct {
        int style;
        bool (*on)(int x, int y);
    } hatches[] = {
        {2, [](int, int y) { return y % 8 == 0; }},
        {3, [](int x, int) { return x % 8 == 0; }},
        {4, [](int x, int y) { return (x + y) % 8 == 0; }},
        {5, [](int x, int y) { return (x - y + 64) % 8 == 0; }},
        {6, [](int x, int y) { return x % 8 == 0 || y % 8 == 0; }},
        {7, [](int x, int y) { return (x + y) % 8 == 0 || (x - y + 64) % 8 == 0; }},
    };
    for (const auto& h : hatches) {
        auto box = pixel_box(40, 40);
        ASSERT_EQ(box->put_FillStyle(static_cast<std::int16_t>(h.style)), S_OK);
        ASSERT_EQ(box->Line(0, 0, 39, 39), S_OK);
        for (int y = 16; y < 24; ++y)
            for (int x = 16; x < 24; ++x)
                EXPECT_EQ(box->picture().at(x, y), h.on(x, y) ? kRed : kWhite)
                    << "style " << h.style << " at " << x << "," << y;
    }
    // Transparent: nothing inside; the outline alone when the pen draws.
    auto box = pixel_box(40, 40);
    box->put_FillStyle(1);
    box->put_DrawStyle(0);
    box->put_ForeColor(kBlue);
    ASSERT_EQ(ellipse(box.get(), 20, 20, 15), S_OK);
    EXPECT_EQ(box->picture().at(20, 20), kWhite);
    EXPECT_EQ(box->picture().at(35, 20), kBlue);
    EXPECT_EQ(box->picture().at(20, 5), kBlue);
}

TEST(SurfaceState, RasterOperations) {
    auto box = pixel_box(60, 60);
    box->put_FillColor(0x123456);
    ellipse(box.get(), 30, 30, 20);
    box->put_DrawStyle(0);
    box->put_DrawWidth(3);
    box->put_ForeColor(0x00FF00);
    box->Line(5, 5, 50, 40);
    const Image before = box->picture();

    // Xor pen twice restores the picture, fill and outline alike.
    box->put_DrawMode(7);
    box->put_FillStyle(0);
    box->put_FillColor(0x0F0F0F);
    sector(box.get(), 25, 28, 22, -0.5f, -4.0f, 0.7f);
    box->Line(10, 12, 40, 50);
    EXPECT_NE(box->picture().pixels, before.pixels);
    sector(box.get(), 25, 28, 22, -0.5f, -4.0f, 0.7f);
    box->Line(10, 12, 40, 50);
    EXPECT_EQ(box->picture().pixels, before.pixels);

    // Each mode by its truth table on one pixel: pen 0x00FF0F over 0x0F0FF0.
    const std::uint32_t pen = 0x00FF0F, dst = 0x0F0FF0, m = 0xFFFFFF;
    const std::uint32_t expected[17] = {0,
                                        0,
                                        ~(pen | dst) & m,
                                        dst & ~pen & m,
                                        ~pen & m,
                                        pen & ~dst & m,
                                        ~dst & m,
                                        pen ^ dst,
                                        ~(pen & dst) & m,
                                        pen & dst,
                                        ~(pen ^ dst) & m,
                                        dst,
                                        (dst | ~pen) & m,
                                        pen,
                                        (pen | ~dst) & m,
                                        pen | dst,
                                        m};
    for (std::int16_t mode = 1; mode <= 16; ++mode) {
        auto one = pixel_box(3, 3);
        one->set_background(static_cast<OLE_COLOR>(dst));
        one->Cls();
        one->put_FillColor(static_cast<OLE_COLOR>(pen));
        ASSERT_EQ(one->put_DrawMode(mode), S_OK);
        one->Line(1, 1, 1, 1);
        EXPECT_EQ(one->picture().at(1, 1), expected[mode]) << "mode " << mode;
        EXPECT_EQ(one->picture().at(0, 0), dst);
    }
}

TEST(SurfaceState, PenWidthStyleAndSystemColours) {
    // A border ring of width 4 at radius 50: centred on the circle.
    auto box = pixel_box(120, 120);
    box->put_FillStyle(1);
    box->put_DrawStyle(0);
    box->put_DrawWidth(4);
    box->put_ForeColor(kSysButtonShadow);
    ASSERT_EQ(ellipse(box.get(), 60, 60, 50), S_OK);
    const std::uint32_t shadow = 0xA0A0A0;
    for (int x = 107; x <= 112; ++x)
        EXPECT_EQ(box->picture().at(x, 60), (x >= 108 && x <= 112) ? shadow : kWhite) << x;
    EXPECT_EQ(box->picture().at(60, 60 - 50), shadow);
    EXPECT_EQ(box->picture().at(60, 60 - 53), kWhite);

    // Inside solid keeps the whole width within the radius.
    box->Cls();
    box->put_DrawStyle(6);
    ellipse(box.get(), 60, 60, 50);
    EXPECT_EQ(box->picture().at(110, 60), shadow);
    EXPECT_EQ(box->picture().at(106, 60), shadow);
    EXPECT_EQ(box->picture().at(111, 60), kWhite);

    // A dotted one-pixel box: runs of three on, three off along its top edge.
    box->Cls();
    box->put_DrawWidth(1);
    box->put_DrawStyle(2);
    box->Line(0, 0, 100, 100);
    EXPECT_EQ(box->picture().at(1, 0), shadow);
    EXPECT_EQ(box->picture().at(4, 0), kWhite);
    EXPECT_EQ(box->picture().at(7, 0), shadow);
    // The colour argument of Circle overrides ForeColor for that figure only.
    box->Cls();
    box->put_DrawStyle(0);
    box->Circle(60, 60, 30, OptionalColor::of(kRed), OptionalSingle::none(), OptionalSingle::none(),
                OptionalSingle::none());
    EXPECT_EQ(box->picture().at(90, 60), kRed);
}

}  // namespace
}  // namespace qd::host::test
