// Built when Cairo is not installed: the benchmark runs without its peer.
#include "workloads.h"

namespace qd::bench {

std::vector<Workload> make_cairo_workloads() {
    return {};
}

}  // namespace qd::bench
