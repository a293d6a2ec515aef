// Named workloads on the raster surface, shared by the benchmark and the fixed-count driver.
//
// Each workload owns its picture box, prepared once; run() does one unit of work and nothing
// else, so a driver can repeat it N times under an instruction counter.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qd::bench {

struct Workload {
    std::string name;
    int width = 0, height = 0;  // the picture, pixels
    std::function<void()> run;
};

// All workloads, in a fixed order. Names: fill/<w>x<h>, pie_full/<w>x<h>, pie_band/<w>x<h>.
std::vector<Workload> make_workloads();

}  // namespace qd::bench
