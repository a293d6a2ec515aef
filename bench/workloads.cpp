#include "workloads.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "bar/progress_bar.h"
#include "host/model/control_site.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"
#include "pie/progress_pie.h"
#include "singlepie/single_pie.h"

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
        box->flush();
    }
};

// A control sited on a raster picture box and label, as a container hosts it, driven through
// its dispatch interface by name.
using Creator = HRESULT (*)(const Guid&, void**);

struct Hosted {
    ComPtr<RasterPictureBox> box;
    ComPtr<host::RasterLabel> label;
    ComPtr<host::ControlSite> site;
    ComPtr<IControl> events;
    ComPtr<IDispatch> dispatch;
    float value = 0;

    // w x h pixels at scale 1: the picture is scale times larger on each side.
    Hosted(Creator create, int w, int h, host::DeviceOptions device = {})
        : box(RasterPictureBox::make(device)), label(host::RasterLabel::make(box.get())) {
        const auto twips = [](int px) { return static_cast<float>(px * host::kTwipsPerPixel); };
        site = ComPtr<host::ControlSite>(
            new host::ControlSite(twips(w), twips(h), box.get(), label.get()));
        create(IControl::iid, events.put_void());
        dispatch = events.query<IDispatch>();
        events->SetSite(site.get());
        events->InitProperties();
        events->Resize();
    }
    // The recording site keeps every notification; a container forgets them once handled,
    // so the record is emptied (keeping its capacity) rather than left to grow.
    void put(const char* name, const Variant& v) {
        dispatch_put(dispatch.get(), name, v);
        box->flush();  // as a container does when a call ends
        site->clear_changes();
    }
    void refresh() {
        dispatch_call(dispatch.get(), "Refresh");
        box->flush();
    }
    void set_value(float v) {
        value = v;
        put("Value", Variant(v));
    }
};

// A three-colour pie (the bar's default fill is the three-colour gradient already).
std::shared_ptr<Hosted> three_colour_pie(int w, int h, host::DeviceOptions device = {}) {
    auto pie = std::make_shared<Hosted>(&progress::create_progress_pie, w, h, device);
    pie->put("FillType", Variant(std::int32_t{2}));
    return pie;
}

std::shared_ptr<Hosted> bar(int w, int h) {
    return std::make_shared<Hosted>(&progress::create_progress_bar, w, h);
}

// Refresh at Value = Max.
Instance full_redraw(std::shared_ptr<Hosted> control) {
    control->set_value(100);
    return Instance{[control] { control->refresh(); }, {}, 0};
}

// Value up by 1 from `from`, back to `from` (a full redraw, outside the timing) every `period`.
Instance update_from(std::shared_ptr<Hosted> control, float from, int period) {
    control->set_value(from);
    return Instance{[control] { control->set_value(control->value + 1); },
                    [control, from] { control->set_value(from); }, period};
}

// Value from 0 to 100 in steps of 0.1, each step computed as the host does: i / 10.
Instance sweep(std::shared_ptr<Hosted> control, bool full_each_step) {
    return Instance{[control, full_each_step] {
                        for (int i = 0; i <= 1000; ++i) {
                            control->set_value(static_cast<float>(i) / 10.0f);
                            if (full_each_step)
                                control->refresh();
                        }
                    },
                    {},
                    0};
}

std::string size_name(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

}  // namespace

std::vector<Workload> make_workloads() {
    std::vector<Workload> all;
    const auto fill = [&](int w, int h) {
        all.push_back({"fill/" + size_name(w, h), w, h, [w, h] {
                           auto fill = std::make_shared<PieSurface>(w, h);
                           return Instance{[fill] {
                                               fill->box->Cls();
                                               fill->box->flush();
                                           },
                                           {},
                                           0};
                       }});
    };
    // Aspect 1 and 0.75 (the pie's ellipse follows the picture's shape).
    const std::pair<int, int> pie_sizes[] = {{200, 200},  {200, 150},   {1000, 1000},
                                             {1000, 750}, {4000, 4000}, {4000, 3000}};
    for (const auto& extent : pie_sizes) {
        const int w = extent.first, h = extent.second;  // lambdas capture these
        const std::string size = size_name(w, h);
        fill(w, h);
        all.push_back({"surface_full/" + size, w, h, [w, h] {
                           auto surface = std::make_shared<PieSurface>(w, h);
                           return Instance{[surface] { surface->full(); }, {}, 0};
                       }});
        all.push_back({"pie_full/" + size, w, h,
                       [w, h] { return full_redraw(three_colour_pie(w, h)); },
                       "cairo_pie_full/" + size});
        all.push_back({"pie_update/" + size, w, h,
                       [w, h] { return update_from(three_colour_pie(w, h), 0, 99); },
                       "cairo_pie_update/" + size});
    }
    // Smooth mode and scale 2 at the pie's sizes, each against the exact pie of the same extent.
    for (int side : {200, 1000}) {
        const std::string size = size_name(side, side);
        all.push_back({"smooth_pie_full/" + size, side, side,
                       [side] {
                           return full_redraw(three_colour_pie(side, side, {1, true}));
                       },
                       "cairo_smooth_pie_full/" + size});
        all.push_back({"smooth_pie_update/" + size, side, side, [side] {
                           return update_from(three_colour_pie(side, side, {1, true}), 0, 99);
                       }});
        all.push_back({"scale2_pie_full/" + size, side, side, [side] {
                           return full_redraw(three_colour_pie(side, side, {2, false}));
                       }});
    }
    for (int from : {0, 45, 89}) {
        all.push_back({"pie_update_from/200x200/" + std::to_string(from), 200, 200, [from] {
                           return update_from(three_colour_pie(200, 200), static_cast<float>(from),
                                              10);
                       }});
    }
    for (const auto& extent : {std::pair{354, 26}, std::pair{2000, 100}}) {
        const int w = extent.first, h = extent.second;  // lambdas capture these
        const std::string size = size_name(w, h);
        fill(w, h);
        all.push_back({"bar_full/" + size, w, h, [w, h] { return full_redraw(bar(w, h)); },
                       "cairo_bar_full/" + size});
        all.push_back({"bar_update/" + size, w, h, [w, h] { return update_from(bar(w, h), 0, 99); },
                       "cairo_bar_update/" + size});
    }
    for (int side : {200, 1000}) {
        all.push_back({"single_full/" + size_name(side, side), side, side, [side] {
                           return full_redraw(
                               std::make_shared<Hosted>(&single::create_single_pie, side, side));
                       }});
    }
    all.push_back(
        {"sweep/200x200", 200, 200, [] { return sweep(three_colour_pie(200, 200), false); }});
    all.push_back(
        {"sweep_full/200x200", 200, 200, [] { return sweep(three_colour_pie(200, 200), true); }});
    for (auto& w : make_cairo_workloads())
        all.push_back(std::move(w));
    return all;
}

}  // namespace qd::bench
