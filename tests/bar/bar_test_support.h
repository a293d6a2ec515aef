// Shared by the bar's tests: a rig holding a bar, and small views of its trace.
#pragma once

#include <string>
#include <string_view>

#include "bar/progress_bar.h"
#include "tests/support/control_rig.h"

namespace qd::test {

using BarRig = ControlRig<progress::_qdProgressBar>;

// A new bar on a 200 x 100 twip control without a frame, so that its surface is 200 x 100
// in its own (twip) scale; the log and the notifications so far are cleared.
struct FlatBar {
    BarRig rig{&progress::create_progress_bar, 200.0f, 100.0f, 0};
    FlatBar() {
        EXPECT_EQ(rig.start(), S_OK);
        EXPECT_EQ(rig->put_BorderStyle(progress::pFlat), S_OK);
        rig.clear();
        rig.site().clear_changes();
    }
};

// The four lines of one band: its attributes, then its box from x1 to x2.
inline Lines band_lines(int colour, std::string_view x1, std::string_view x2,
                        std::string_view height = "100") {
    const std::string c = std::to_string(colour);
    return {
        "picBox.DrawStyle = 0", "picBox.ForeColor = " + c, "picBox.FillColor = " + c,
        "picBox.Height -> " + std::string(height),
        "picBox.Line " + std::string(x1) + ", 0, " + std::string(x2) + ", " + std::string(height)};
}

}  // namespace qd::test
