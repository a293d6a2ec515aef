// The single pie's own rules and its class factory step; the setters and events it shares with
// the other controls are ControlRules', its property table is in single_pie_properties.cpp.
#include "singlepie/single_pie.h"

namespace qd::single {

HRESULT create_single_pie(const Guid& iid, void** out) {
    return SinglePie::create_instance(iid, out);
}

// Min takes only a value below Max, so unlike the other controls' Min it refuses a NaN.
HRESULT SinglePie::put_Min(float v) {
    return guard([&] {
        if (!(v < Max))
            return;
        Min = v;
        notify("Min");
        if (Min > Value) {
            Value = Min;
            notify("Value");
        }
        Redraw(false);
    });
}

HRESULT SinglePie::InitProperties() {
    return guard([&] {
        init_properties(*this, Properties::rows);
        FilledAngle = 0;
        PaintedAngle = 0;
    });
}

}  // namespace qd::single
