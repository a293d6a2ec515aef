// Shared by the pie's tests: a rig holding a pie, and small views of its trace.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "pie/progress_pie.h"
#include "tests/support/control_rig.h"

namespace qd::test {

using PieRig = ControlRig<progress::_qdProgressPie>;

// The lines that start with `prefix`, in order.
inline Lines lines_starting(const Lines& lines, std::string_view prefix) {
    Lines out;
    for (const std::string& l : lines)
        if (l.starts_with(prefix))
            out.push_back(l);
    return out;
}

inline std::size_t count_starting(const Lines& lines, std::string_view prefix) {
    return lines_starting(lines, prefix).size();
}

}  // namespace qd::test
