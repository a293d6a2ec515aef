// What a host is told changed, and drawing for a screen of more than one device pixel per
// 96-dpi pixel.
#include <gtest/gtest.h>

#include <cmath>

#include "host/raster/font_face.h"
#include "hosted_view.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

// The pixels where two views of one size differ.
PixelRect changed_pixels(const Image& before, const Image& after, int* count) {
    PixelRect changed;
    *count = 0;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x)
            if (before.at(x, y) != after.at(x, y)) {
                changed.unite({x, y, 1, 1});
                ++*count;
            }
    return changed;
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.empty() || (inner.x >= outer.x && inner.y >= outer.y &&
                             inner.right() <= outer.right() && inner.bottom() <= outer.bottom());
}

// The box around a pie band from angle t0 to t1 of a circle of radius r about (c, c), with a
// little room for the edge pixels.
PixelRect band_box(double c, double r, double t0, double t1) {
    double x0 = c, x1 = c, y0 = c, y1 = c;
    for (int i = 0; i <= 64; ++i) {
        const double t = t0 + (t1 - t0) * i / 64;
        x0 = std::min(x0, c + r * std::cos(t)), x1 = std::max(x1, c + r * std::cos(t));
        y0 = std::min(y0, c - r * std::sin(t)), y1 = std::max(y1, c - r * std::sin(t));
    }
    return PixelRect::spanning(std::lround(x0) - 3, std::lround(y0) - 3, std::lround(x1) + 3,
                               std::lround(y1) + 3);
}

TEST(Damage, SweepReportsEveryChangedPixelAndLittleMore) {
    DeviceView p = device_pie(3000);  // 200 x 200 pixels, circle of radius 94 about (100, 100)
    p.call("Refresh");
    EXPECT_EQ(p.box->take_damage(), (PixelRect{0, 0, 200, 200})) << "a Cls repaints it all";
    EXPECT_TRUE(p.box->take_damage().empty()) << "taking resets";
    p.put("Min", Variant(0.0f));  // no drawing, nothing to repaint
    EXPECT_TRUE(p.box->take_damage().empty());

    Image before = p.view();
    const double step = 2 * kPi / 100;
    for (int v = 1; v <= 100; ++v) {
        const PixelRect label_before = p.label->covered();
        p.put("Value", Variant(static_cast<float>(v)));
        const Image after = p.view();
        const Image earlier = before;
        before = after;
        const PixelRect damage = p.box->take_damage();
        int count = 0;
        const PixelRect changed = changed_pixels(earlier, after, &count);
        ASSERT_TRUE(inside(changed, damage)) << "Value " << v << ": changed pixels outside";
        if (v == 1)
            continue;  // the first band after Min is a fresh pass: Cls and all
        // The new band (it reaches back over the previous band's edge) and the caption.
        PixelRect allowed = band_box(100, 94, (v - 1) * step - 0.06, v * step);
        allowed.unite(label_before);
        allowed.unite(p.label->covered());
        EXPECT_TRUE(inside(damage, allowed))
            << "Value " << v << ": damage " << damage.x << "," << damage.y << " " << damage.width
            << "x" << damage.height;
        EXPECT_LT(damage.width * damage.height, 200 * 200 / 2) << "Value " << v;
    }
}

TEST(Scale, TwiceTheScaleIsTheSamePictureAsTwiceTheTwips) {
    const DeviceOptions two{2, false};
    for (float value : {0.0f, 37.0f, 100.0f}) {
        DeviceView hi = device_pie(2000, two);
        DeviceView twice = device_pie(4000);
        DeviceView one = device_pie(2000);
        for (DeviceView* v : {&hi, &twice, &one})
            v->put("Value", Variant(value));
        ASSERT_EQ(hi.box->picture().width, 267);  // 2000 twips at 7.5 twips a pixel
        EXPECT_EQ(one.box->picture().width, 133);
        EXPECT_EQ(hi.box->picture().pixels, twice.box->picture().pixels) << value;
        // The label: the same caption at twice the size, placed by the control in pixels.
        EXPECT_EQ(hi.label->caption(), one.label->caption());
        if (FontFace::shared().available()) {
            EXPECT_NEAR(hi.label->width_px(), 2 * one.label->width_px(), 3) << value;
            EXPECT_NEAR(hi.label->height_px(), 2 * one.label->height_px(), 3) << value;
        }
    }
}

}  // namespace
}  // namespace qd::host::test
