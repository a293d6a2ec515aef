#include "workloads.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "host/model/control_site.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"
#include "pie/progress_pie.h"

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
};

// A three-colour pie control sited on a raster picture box and label, as a container hosts it.
struct HostedPie {
    ComPtr<RasterPictureBox> box = RasterPictureBox::make();
    ComPtr<host::RasterLabel> label = host::RasterLabel::make(box.get());
    ComPtr<host::ControlSite> site;
    ComPtr<IControl> events;
    ComPtr<IDispatch> dispatch;
    float value = 0;

    HostedPie(int w, int h) {
        const auto twips = [](int px) { return static_cast<float>(px * host::kTwipsPerPixel); };
        site = ComPtr<host::ControlSite>(
            new host::ControlSite(twips(w), twips(h), box.get(), label.get()));
        progress::create_progress_pie(IControl::iid, events.put_void());
        dispatch = events.query<IDispatch>();
        events->SetSite(site.get());
        events->InitProperties();
        events->Resize();
        put("FillType", Variant(std::int32_t{2}));
    }
    void put(const char* name, const Variant& v) { dispatch_put(dispatch.get(), name, v); }
    void dispatch_call_refresh() { dispatch_call(dispatch.get(), "Refresh"); }
    void set_value(float v) {
        value = v;
        put("Value", Variant(v));
    }
};

}  // namespace

std::vector<Workload> make_workloads() {
    std::vector<Workload> all;
    // Aspect 1 and 0.75 (the pie's ellipse follows the picture's shape).
    const std::pair<int, int> sizes[] = {{200, 200},  {200, 150},   {1000, 1000},
                                         {1000, 750}, {4000, 4000}, {4000, 3000}};
    for (const auto& [w, h] : sizes) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        all.push_back({"fill/" + size, w, h, [w, h] {
                           auto fill = std::make_shared<PieSurface>(w, h);
                           return Instance{[fill] { fill->box->Cls(); }, {}, 0};
                       }});
        all.push_back({"surface_full/" + size, w, h, [w, h] {
                           auto surface = std::make_shared<PieSurface>(w, h);
                           return Instance{[surface] { surface->full(); }, {}, 0};
                       }});
        all.push_back({"pie_full/" + size, w, h, [w, h] {
                           auto full = std::make_shared<HostedPie>(w, h);
                           full->set_value(100);
                           return Instance{[full] { full->dispatch_call_refresh(); }, {}, 0};
                       }});
        all.push_back({"pie_update/" + size, w, h, [w, h] {
                           auto update = std::make_shared<HostedPie>(w, h);
                           update->set_value(0);
                           return Instance{[update] { update->set_value(update->value + 1); },
                                           [update] { update->set_value(0); }, 99};
                       }});
    }
    return all;
}

}  // namespace qd::bench
