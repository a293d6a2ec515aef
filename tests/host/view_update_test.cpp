// Composing only the damaged part of a view: after any change the surfaces report, the view
// updated over the damage is the view composed afresh, pixel for pixel.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/raster/compose.h"
#include "raster_fixture.h"

namespace qd::host::test {
namespace {

struct Step {
    const char* what;
    std::function<void(RasterPictureBox*, RasterLabel*)> change;
};

// The first pixel where `a` and `b` differ, as text ("" when they are the same).
std::string first_difference(const Image& a, const Image& b) {
    if (a.width != b.width || a.height != b.height)
        return "sizes differ";
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y))
                return "at " + std::to_string(x) + "," + std::to_string(y);
    return "";
}

const std::vector<Step>& steps() {
    static const std::vector<Step> list = {
        {"a band under the label", [](auto* b, auto*) { sector(b, 60, 40, 35, 0.2f, 1.4f); }},
        {"a longer caption", [](auto*, auto* l) { l->put_Caption("100% done"); }},
        {"a shorter caption", [](auto*, auto* l) { l->put_Caption("7%"); }},
        {"beyond ASCII", [](auto*, auto* l) { l->put_Caption("\xC2\xBD \xC3\xA9t\xC3\xA9"); }},
        {"a larger font", [](auto*, auto* l) { l->put_FontSize(20); }},
        {"transparent, right-aligned",
         [](auto*, auto* l) {
             l->put_BackStyle(0);
             l->put_Alignment(1);
         }},
        {"a box across the text", [](auto* b, auto*) { b->Line(30, 30, 90, 36); }},
        {"past the left edge", [](auto*, auto* l) { l->put_Left(-9); }},
        {"past the bottom right", [](auto*, auto* l) { l->put_Top(62); }},
        {"another colour", [](auto*, auto* l) { l->put_ForeColor(0x00C000); }},
        {"hidden", [](auto*, auto* l) { l->put_Visible(0); }},
        {"shown, centred",
         [](auto*, auto* l) {
             l->put_Visible(-1);
             l->put_Alignment(2);
             l->put_Left(20);
             l->put_Top(20);
         }},
        {"a sunken edge", [](auto* b, auto*) { b->put_BorderStyle(1); }},
        {"a band through the edge", [](auto* b, auto*) { sector(b, 0, 0, 50, 4.0f, 5.5f); }},
        {"a new background", [](auto* b, auto*) { b->set_background(0x336699); }},
        {"wider", [](auto* b, auto*) { b->resize_pixels(160, 80); }},
        {"a clear", [](auto* b, auto*) { b->Cls(); }},
    };
    return list;
}

TEST(ViewUpdateTest, TheDamagedPartComposedAgainIsTheWholeViewComposedAfresh) {
    for (const double scale : {1.0, 2.0}) {
        auto box = RasterPictureBox::make(DeviceOptions{scale, false});
        box->resize_pixels(120, 70);
        box->set_background(kWhite);
        box->put_ScaleMode(3);
        box->Cls();
        box->put_FillStyle(0);
        box->put_FillColor(kRed);
        auto label = RasterLabel::make(box.get());
        label->put_FontSize(12);
        label->put_Caption("42%");
        label->put_Left(40);
        label->put_Top(25);
        box->take_damage();
        Image view = compose_view(*box.get(), label.get());
        for (const Step& step : steps()) {
            step.change(box.get(), label.get());
            update_view(view, *box.get(), label.get(), box->take_damage());
            EXPECT_EQ(first_difference(view, compose_view(*box.get(), label.get())), "")
                << step.what << " at scale " << scale;
        }

        // Any rectangle, however it meets the edge, the picture and the label, is composed
        // afresh and nothing outside it is written.
        const Image fresh = compose_view(*box.get(), label.get());
        for (const PixelRect r :
             {PixelRect{0, 0, 1, 1}, PixelRect{1, 3, 5, 70}, PixelRect{40, 20, 9, 4},
              PixelRect{-20, -5, 30, 400}, PixelRect{155, 75, 20, 20}, PixelRect{200, 0, 5, 5}}) {
            Image scribbled = fresh;
            const PixelRect in = r.clipped(scribbled.width, scribbled.height);
            for (int y = in.y; y < in.bottom(); ++y)
                for (int x = in.x; x < in.right(); ++x)
                    scribbled.row(y)[x] = 0x123456;
            update_view(scribbled, *box.get(), label.get(), r);
            EXPECT_EQ(first_difference(scribbled, fresh), "")
                << r.x << "," << r.y << " " << r.width << "x" << r.height;
        }
    }
}

}  // namespace
}  // namespace qd::host::test
