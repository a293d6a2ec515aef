// The peer: the pie's and the bar's figures drawn by Cairo on an image surface of the same size,
// without anti-aliasing (and the pie with it, as the smooth mode's peer), so that each run prints
// our time next to a general-purpose rasteriser's.
#include <cairo.h>

#include <memory>
#include <numbers>

#include "workloads.h"

namespace qd::bench {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kBeta = 2 * kPi / 100;

struct CairoSurface {
    cairo_surface_t* surface;
    cairo_t* cr;
    int width, height;

    CairoSurface(int w, int h, bool smooth = false)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)),
          cr(cairo_create(surface)),
          width(w),
          height(h) {
        cairo_set_antialias(cr, smooth ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, 1);
    }
    ~CairoSurface() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;

    void clear() {
        cairo_set_source_rgb(cr, 0.94, 0.94, 0.94);
        cairo_paint(cr);
    }
};

// The pie of the benchmark's surface workload: centre, radius and aspect as the control has them.
struct CairoPie : CairoSurface {
    double cx, cy, r, aspect;

    CairoPie(int w, int h, bool smooth = false) : CairoSurface(w, h, smooth) {
        cx = w / 2;
        cy = h / 2;
        r = (cx > cy ? cx : cy) - 6;
        aspect = cy / cx;
    }

    // Screen angles run counter-clockwise from 3 o'clock; Cairo's run clockwise.
    void sector(double start, double end, int i) {
        const int red = i <= 50 ? 255 : 255 - (i - 50) * 5;
        const int green = i <= 50 ? i * 5 : 255;
        cairo_set_source_rgb(cr, red / 255.0, green / 255.0, 0);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, aspect);
        cairo_move_to(cr, 0, 0);
        cairo_arc_negative(cr, 0, 0, r, -start, -end);
        cairo_close_path(cr);
        cairo_restore(cr);
        cairo_fill(cr);
    }

    void band(int i, double start) {
        double end = i * kBeta + (i == 100 ? 0 : 0.05);
        if (end > 2 * kPi)
            end -= 2 * kPi;
        sector(start, end, i);
    }

    void full() {
        clear();
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1, aspect);
        cairo_arc(cr, 0, 0, r + 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_stroke(cr);
        double a = 0.0001;
        for (int i = 0; i <= 100; ++i) {
            band(i, a);
            a = i * kBeta + 0.0001;
        }
    }

    // What a 1 % update paints: the sliver at the old end and the new band.
    void update(int i) {
        band(i - 1, (i - 2) * kBeta + 0.0001);
        band(i, (i - 1) * kBeta + 0.0001);
    }
};

// The bar: 100 boxes, each filled and outlined in its colour, over the whole width.
struct CairoBar : CairoSurface {
    using CairoSurface::CairoSurface;

    void box(int i) {
        const double band = width / 100.0;
        const int red = i <= 50 ? 255 : 255 - (i - 50) * 5;
        const int green = i <= 50 ? i * 5 : 255;
        cairo_set_source_rgb(cr, red / 255.0, green / 255.0, 0);
        cairo_rectangle(cr, (i - 1) * band + 0.5, 0.5, band, height - 1);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
    }

    void full() {
        clear();
        for (int i = 0; i <= 100; ++i)
            box(i);
    }
    void update(int i) {
        box(i - 1);
        box(i);
    }
};

// An update workload steps through bands 2..100 and starts over, as the control's does.
template <typename Figure>
Instance update_instance(int w, int h) {
    auto figure = std::make_shared<Figure>(w, h);
    auto band = std::make_shared<int>(2);
    figure->full();
    return Instance{[figure, band] { figure->update((*band)++); },
                    [figure, band] {
                        figure->clear();
                        *band = 2;
                    },
                    99};
}

std::string size_name(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

}  // namespace

std::vector<Workload> make_cairo_workloads() {
    std::vector<Workload> all;
    const std::pair<int, int> pie_sizes[] = {{200, 200},  {200, 150},   {1000, 1000},
                                             {1000, 750}, {4000, 4000}, {4000, 3000}};
    for (const auto& extent : pie_sizes) {
        const int w = extent.first, h = extent.second;  // lambdas capture these
        all.push_back({"cairo_pie_full/" + size_name(w, h), w, h, [w, h] {
                           auto pie = std::make_shared<CairoPie>(w, h);
                           return Instance{[pie] { pie->full(); }, {}, 0};
                       }});
        all.push_back({"cairo_pie_update/" + size_name(w, h), w, h,
                       [w, h] { return update_instance<CairoPie>(w, h); }});
    }
    for (int side : {200, 1000}) {
        all.push_back({"cairo_smooth_pie_full/" + size_name(side, side), side, side, [side] {
                           auto pie = std::make_shared<CairoPie>(side, side, true);
                           return Instance{[pie] { pie->full(); }, {}, 0};
                       }});
    }
    for (const auto& extent : {std::pair{354, 26}, std::pair{2000, 100}}) {
        const int w = extent.first, h = extent.second;  // lambdas capture these
        all.push_back({"cairo_bar_full/" + size_name(w, h), w, h, [w, h] {
                           auto bar = std::make_shared<CairoBar>(w, h);
                           return Instance{[bar] { bar->full(); }, {}, 0};
                       }});
        all.push_back({"cairo_bar_update/" + size_name(w, h), w, h,
                       [w, h] { return update_instance<CairoBar>(w, h); }});
    }
    return all;
}

}  // namespace qd::bench
