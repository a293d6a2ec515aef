// Named workloads on the raster surface, shared by the benchmark and the fixed-count driver.
//
// Each workload owns its picture box (and control), prepared once; run() does one unit of work
// and nothing else, so a driver can repeat it N times under an instruction counter. A workload
// that can only be repeated a limited number of times (an update that grows Value) names a
// reset, due every `period` runs, that drivers keep out of the measurement.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace qd::bench {

// A prepared workload: its surfaces exist and are drawn once.
struct Instance {
    std::function<void()> run;
    std::function<void()> reset;  // empty when run() can repeat forever
    int period = 0;               // runs between resets
};

struct Workload {
    Workload(std::string n, int w, int h, std::function<Instance()> p, std::string peer_name = {})
        : name(std::move(n)),
          width(w),
          height(h),
          prepare(std::move(p)),
          peer(std::move(peer_name)) {}

    std::string name;
    int width = 0, height = 0;          // the picture, pixels
    std::function<Instance()> prepare;  // allocates only when a driver picks the workload
    std::string peer;                   // the Cairo workload drawing the same figures, if any
};

// All workloads, in a fixed order:
//   fill/WxH              one plain fill of the picture (Cls): the floor of a full redraw
//   surface_full/WxH      the 101 band sectors and the border of a full pie, called directly
//   pie_full/WxH          Refresh of a three-colour pie at Value = Max (the control draws)
//   pie_update/WxH        Value up by 1 % of the range, by name, label included
//   pie_update_from/WxH/V the same update starting at Value V (the cost must not depend on V)
//   bar_full/WxH          Refresh of a three-colour bar at Value = Max
//   bar_update/WxH        the bar's Value up by 1 %, by name, label included
//   single_full/WxH       Refresh of a single pie (qdxProgressPie) at Value = Max
//   smooth_pie_full/WxH   pie_full in smooth mode; smooth_pie_update/WxH likewise
//   scale2_pie_full/WxH   pie_full of the same extent at device scale 2 (twice the side)
//   sweep/WxH             Value from 0 to 100 in steps of 0.1, by name: 1001 updates
//   sweep_full/WxH        the same sweep with a Refresh after every step
//   cairo_*               the pie's and bar's figures drawn by Cairo, when it is built in
//                         (cairo_smooth_pie_full anti-aliased)
std::vector<Workload> make_workloads();

// The Cairo peers (empty when the benchmark is built without Cairo).
std::vector<Workload> make_cairo_workloads();

}  // namespace qd::bench
