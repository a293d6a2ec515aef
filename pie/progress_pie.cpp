// The pie's own setter and its class factory step; the setters and events it shares with the
// other controls are ControlRules', its property table is in pie_properties.cpp.
#include "pie/progress_pie.h"

namespace qd::progress {

HRESULT create_progress_pie(const Guid& iid, void** out) {
    return ProgressPie::create_instance(iid, out);
}

// Aspect alone draws before it notifies; the draw then replaces it by the surface's ratio.
HRESULT ProgressPie::put_Aspect(float v) {
    return guard([&] {
        if (!(v > 0))
            return;
        Aspect = v;
        Redraw(true);
        notify("Aspect");
    });
}

}  // namespace qd::progress
