// The direction (cos, sin) of an angle, remembered per thread.
//
// A pie's bands start and end at the same hundred-odd angles at every pass and every update, so
// a figure's directions are looked up instead of worked out again: a small table keyed on the
// angle's exact value. A hit gives the very numbers std::cos and std::sin gave the first time.
#pragma once

namespace qd::host {

struct Direction {
    double cos;
    double sin;
};

// cos and sin of `angle` (radians).
Direction direction_of(double angle);

}  // namespace qd::host
