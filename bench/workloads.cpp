#include "workloads.h"

#include <cmath>
#include <numbers>

#include "host/raster/raster_picture_box.h"

namespace qd::bench {

namespace {

using host::RasterPictureBox;

constexpr double kPi = std::numbers::pi;
constexpr double kBeta = 2 * kPi / 100;

struct PieSurface {
    ComPtr<RasterPictureBox> box = RasterPictureBox::make();
    int cx = 0, cy = 0, r = 0;
    float aspect = 1;

    PieSurface(int w, int h) {
        box->resize_pixels(w, h);
        box->put_ScaleMode(3);
        cx = w / 2;
        cy = h / 2;
        r = std::max(cx, cy) - 6;
        aspect = static_cast<float>(static_cast<double>(cy) / cx);
    }

    void band(int i, int last, double start) {
        double end = i * kBeta + (i == last ? 0 : 0.05);
        if (end > 2 * kPi)
            end -= 2 * kPi;
        // A three-colour gradient: red to yellow to green.
        const int red = i <= 50 ? 255 : 255 - (i - 50) * 5;
        const int green = i <= 50 ? i * 5 : 255;
        box->put_FillColor(red | (green << 8));
        box->Circle(static_cast<float>(cx), static_cast<float>(cy), static_cast<float>(r),
                    OptionalColor::none(), OptionalSingle::of(-static_cast<float>(start)),
                    OptionalSingle::of(-static_cast<float>(end)), OptionalSingle::of(aspect));
    }

    // The pie's full pass at Value = Max: clear, border, attributes, bands 0 to 100.
    void full() {
        box->Cls();
        box->put_DrawWidth(1);
        box->put_DrawStyle(0);
        box->put_FillStyle(1);
        box->put_ForeColor(0);
        box->put_DrawMode(13);
        box->Circle(static_cast<float>(cx), static_cast<float>(cy), static_cast<float>(r + 1),
                    OptionalColor::none(), OptionalSingle::none(), OptionalSingle::none(),
                    OptionalSingle::of(aspect));
        box->put_FillStyle(0);
        box->put_DrawStyle(5);
        double a = 0.0001;
        for (int i = 0; i <= 100; ++i) {
            band(i, 100, a);
            a = i * kBeta + 0.0001;
        }
    }

    // An incremental pass of one band: the pie's run from s to s + 1 (a sliver, then a band).
    void one_band(int s) {
        box->put_FillStyle(0);
        box->put_DrawStyle(5);
        double a = s * kBeta + 0.0001;
        for (int i = s; i <= s + 1; ++i) {
            band(i, s + 1, a);
            a = i * kBeta + 0.0001;
        }
    }
};

}  // namespace

std::vector<Workload> make_workloads() {
    std::vector<Workload> all;
    for (int side : {200, 1000}) {
        const std::string size = std::to_string(side) + "x" + std::to_string(side);
        auto fill = std::make_shared<PieSurface>(side, side);
        all.push_back({"fill/" + size, side, side, [fill] { fill->box->Cls(); }});
        auto full = std::make_shared<PieSurface>(side, side);
        all.push_back({"pie_full/" + size, side, side, [full] { full->full(); }});
        auto band = std::make_shared<PieSurface>(side, side);
        band->full();
        auto step = std::make_shared<int>(0);
        all.push_back({"pie_band/" + size, side, side, [band, step] {
                           band->one_band(*step);
                           *step = (*step + 1) % 99;
                       }});
    }
    return all;
}

}  // namespace qd::bench
