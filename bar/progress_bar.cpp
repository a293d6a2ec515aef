// The bar's resize handler and its class factory step; the setters and events it shares with
// the other controls are ControlRules', its property table is in bar_properties.cpp.
#include "bar/progress_bar.h"

namespace qd::progress {

// The minimum is 50 but a control below it jumps to 100; then picBox covers the control, the
// bar is drawn in full and the label placed.
void ProgressBar::OnResize() {
    ControlRules::grow_small_sides(site(), 50.0f, 100.0f);
    ControlRules::cover_and_redraw(*this);
}

HRESULT create_progress_bar(const Guid& iid, void** out) {
    return ProgressBar::create_instance(iid, out);
}

}  // namespace qd::progress
