// The label: sized to its caption in its parent's scale, drawn over the view where placed.
#include <gtest/gtest.h>

#include "host/raster/compose.h"
#include "host/raster/font_face.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

constexpr HRESULT kRefused = runtime_error_code(ErrorNumber::InvalidPropertyValue);

float width_of(RasterLabel* label) {
    float v = 0;
    label->get_Width(&v);
    return v;
}

TEST(RasterLabelTest, SizesToItsCaptionInTheParentsScale) {
    auto box = pixel_box(200, 100);
    auto label = RasterLabel::make(box.get());
    EXPECT_EQ(label->caption(), "lblText");
    ASSERT_EQ(label->put_FontSize(18), S_OK);
    ASSERT_EQ(label->put_Caption("75%"), S_OK);
    const float w75 = width_of(label.get());
    float h = 0;
    label->get_Height(&h);
    // 18 points at 96 dpi are 24 pixels: a line is a little more than that.
    EXPECT_GE(h, 24);
    EXPECT_LE(h, 36);
    EXPECT_GT(w75, 20);
    ASSERT_EQ(label->put_Caption("100%"), S_OK);
    EXPECT_GT(width_of(label.get()), w75);
    // The same text measures the same in twips, 15 to the pixel.
    box->put_ScaleMode(1);
    EXPECT_EQ(width_of(label.get()), 15 * label->width_px());
    // Sizes beyond the font's range are refused and change nothing.
    EXPECT_EQ(label->put_FontSize(0), kRefused);
    EXPECT_EQ(label->put_FontSize(-2), kRefused);
    EXPECT_EQ(label->put_FontSize(2160.5f), kRefused);
    EXPECT_EQ(label->put_FontSize(std::nanf("")), kRefused);
    EXPECT_EQ(label->font_size(), 18);
    EXPECT_EQ(label->put_FontSize(2160), S_OK);
    EXPECT_EQ(label->put_Alignment(3), kRefused);
    EXPECT_EQ(label->put_BackStyle(2), kRefused);
    if (!FontFace::shared().available())
        GTEST_SKIP() << "no sans-serif face on this machine";
}

TEST(RasterLabelTest, ItsPixelsSitWhereItWasPlacedAndNeverInThePicture) {
    if (!FontFace::shared().available())
        GTEST_SKIP() << "no sans-serif face on this machine";
    auto box = pixel_box(200, 100);
    box->put_BorderStyle(1);  // inner origin at (2, 2) of the view
    box->Cls();
    auto label = RasterLabel::make(box.get());
    label->put_FontSize(18);
    label->put_ForeColor(0x00FFFF);  // yellow
    label->put_Caption("75%");
    label->put_BackStyle(0);
    label->put_Left(60);
    label->put_Top(30);
    const Image view = compose_view(*box.get(), label.get());
    int inside = 0, outside = 0;
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            const std::uint32_t p = view.at(x, y);
            // Text pixels: the yellow blended over white keeps full red and green.
            if ((p & 0xFFFF) != 0xFFFF || (p >> 16) == 0xFF)
                continue;
            const bool in =
                x >= 62 && x < 62 + label->width_px() && y >= 32 && y < 32 + label->height_px();
            (in ? inside : outside)++;
        }
    }
    EXPECT_GT(inside, 40);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(count_pixels(box->picture(), kWhite), 196 * 96);  // the picture is untouched

    // Moving to the scale in twips does not move it; hiding it removes it.
    box->put_ScaleMode(1);
    EXPECT_EQ(label->left_px(), 60);
    label->put_Visible(0);
    const Image hidden = compose_view(*box.get(), label.get());
    EXPECT_EQ(hidden.pixels, compose_view(*box.get(), nullptr).pixels);
    // An opaque label paints its box in the background colour, clipped to the inner area.
    box->put_FillStyle(0);
    box->put_DrawStyle(5);
    box->Line(0, 0, 200 * 15, 100 * 15);
    label->put_Visible(-1);
    label->put_BackStyle(1);
    label->put_Left(190 * 15);
    const Image opaque = compose_view(*box.get(), label.get());
    EXPECT_EQ(opaque.at(192 + 1, 40), kWhite);
    EXPECT_EQ(opaque.at(197, 40), kWhite);
    EXPECT_EQ(opaque.at(198, 40), 0xE3E3E3u);  // the edge is not painted over
    EXPECT_EQ(opaque.at(191, 40), kRed);
}

}  // namespace
}  // namespace qd::host::test
