// Shared by the pie's tests: a rig holding a pie, and small views of its trace.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "pie/progress_pie.h"
#include "tests/support/control_rig.h"

namespace qd::test {

using PieRig = ControlRig<progress::_qdProgressPie>;

}  // namespace qd::test
