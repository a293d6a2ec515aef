// The look of the surface's figures, guarded by reference pictures under ref/.
//
#include <gtest/gtest.h>

#include "host/raster/compose.h"
#include "host/raster/font_face.h"
#include "host/raster/png_io.h"
#include "raster_fixture.h"
#include "reference_compare.h"

namespace qd::host::test {
namespace {

// A three-colour pie as the pie control paints it: border ring, then 100 bands of a gradient.
void draw_band_pie(RasterPictureBox* box, int w, int h, double fraction) {
    box->put_ScaleMode(3);
    const int cx = w / 2, cy = h / 2, r = std::max(cx, cy) - 6;
    const float aspect = static_cast<float>(static_cast<double>(cy) / cx);
    box->Cls();
    box->put_DrawWidth(2);
    box->put_DrawStyle(0);
    box->put_FillStyle(1);
    box->put_ForeColor(0x000000);
    box->put_DrawMode(13);
    ellipse(box, cx, cy, static_cast<float>(r + 1), aspect);
    box->put_FillStyle(0);
    box->put_DrawStyle(5);
    const double beta = 2 * kPi / 100;
    const int last = static_cast<int>(std::lround(fraction * 100));
    double a = 0.0001;
    for (int i = 0; i <= last; ++i) {
        double b = i * beta + (i == last ? 0 : 0.05);
        // Red to yellow over the first half turn, yellow to green over the second.
        const int red = i <= 50 ? 255 : 255 - (i - 50) * 5;
        const int green = i <= 50 ? i * 5 : 255;
        box->put_FillColor(red | (green << 8));
        if (b > 2 * kPi)
            b -= 2 * kPi;
        if (i > 0)
            sector(box, cx, cy, r, -static_cast<float>(a), -static_cast<float>(b), aspect);
        a = i * beta + 0.0001;
    }
}

TEST(ReferenceImages, BandPies) {
    auto box = pixel_box(200, 200);
    draw_band_pie(box.get(), 200, 200, 0.75);
    expect_matches_reference("band_pie_75", compose_view(*box.get(), nullptr));

    auto wide = pixel_box(240, 150);
    draw_band_pie(wide.get(), 240, 150, 1.0);
    expect_matches_reference("band_pie_full_wide", compose_view(*wide.get(), nullptr));
}

TEST(ReferenceImages, FillKinds) {
    // Two rows of four boxes and ellipses: solid, transparent and the six hatches.
    auto box = pixel_box(330, 170);
    box->put_DrawStyle(0);
    box->put_ForeColor(0x000000);
    for (int style = 0; style < 8; ++style) {
        const float x = 10.0f + static_cast<float>(style % 4) * 80;
        const float y = 10.0f + static_cast<float>(style / 4) * 80;
        box->put_FillStyle(static_cast<std::int16_t>(style));
        box->put_FillColor(style == 0 ? 0xC06020 : 0x2040C0);
        box->Line(x, y, x + 70, y + 70);
        box->put_FillColor(0x20A040);
        ellipse(box.get(), x + 35, y + 35, 22, 0.6f);
    }
    expect_matches_reference("fill_kinds", compose_view(*box.get(), nullptr));
}

TEST(ReferenceImages, PensArcsAndTheSunkenEdge) {
    auto box = RasterPictureBox::make();
    box->resize_pixels(384, 124);
    box->put_BorderStyle(1);
    box->put_ScaleMode(3);
    box->set_background(kWhite);
    box->Cls();
    box->put_FillStyle(1);
    box->put_ForeColor(0x802000);
    for (int style = 0; style <= 6; ++style) {
        const float x = 25.0f + static_cast<float>(style) * 45;
        box->put_DrawStyle(static_cast<std::int16_t>(style));
        box->put_DrawWidth(style == 6 ? 4 : 1);
        ellipse(box.get(), x, 30, 20);
        box->Circle(x, 85, 20, OptionalColor::none(), OptionalSingle::of(-0.5f),
                    OptionalSingle::of(-4.0f), OptionalSingle::of(0.8f));
    }
    box->put_DrawStyle(0);
    box->put_DrawWidth(3);
    box->put_ForeColor(0x0000C0);
    box->Circle(345, 60, 30, OptionalColor::none(), OptionalSingle::of(1.0f),
                OptionalSingle::of(-5.5f), OptionalSingle::none());
    expect_matches_reference("pens_arcs_edge", compose_view(*box.get(), nullptr));
}

TEST(ReferenceImages, LabelOverAPie) {
    if (!FontFace::shared().available())
        GTEST_SKIP() << "no sans-serif face on this machine";
    auto box = pixel_box(200, 200);
    draw_band_pie(box.get(), 200, 200, 0.4);
    auto label = RasterLabel::make(box.get());
    label->put_FontSize(18);
    label->put_ForeColor(0x00FFFF);
    label->put_Caption("40%");
    label->put_BackStyle(0);
    float w = 0, h = 0;
    label->get_Width(&w);
    label->get_Height(&h);
    label->put_Left(100 - w / 2);
    label->put_Top(100 - h / 2);
    expect_matches_reference("label_over_pie", compose_view(*box.get(), label.get()));
}

}  // namespace
}  // namespace qd::host::test
