// Named workloads on the raster surface, shared by the benchmark and the fixed-count driver.
//
// Each workload owns its picture box (and control), prepared once; run() does one unit of work
// and nothing else, so a driver can repeat it N times under an instruction counter. A workload
// that can only be repeated a limited number of times (an update that grows Value) names a
// reset, due every `period` runs, that drivers keep out of the measurement.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qd::bench {

// A prepared workload: its surfaces exist and are drawn once.
struct Instance {
    std::function<void()> run;
    std::function<void()> reset;  // empty when run() can repeat forever
    int period = 0;               // runs between resets
};

struct Workload {
    std::string name;
    int width = 0, height = 0;          // the picture, pixels
    std::function<Instance()> prepare;  // allocates only when a driver picks the workload
};

// All workloads, in a fixed order:
//   fill/WxH           one plain fill of the picture (Cls): the floor of a full redraw
//   surface_full/WxH   the 101 band sectors and the border of a full pie, called directly
//   pie_full/WxH       Refresh of a three-colour pie at Value = Max (the control draws)
//   pie_update/WxH     Value up by 1 % of the range, by name, label included
std::vector<Workload> make_workloads();

}  // namespace qd::bench
