// The single pie's own rules and its class factory step; the setters and events it shares with
// the other controls are ControlRules', its property table is in single_pie_properties.cpp.
#include "singlepie/single_pie.h"

namespace qd::single {

HRESULT create_single_pie(const Guid& iid, void** out) {
    return SinglePie::create_instance(iid, out);
}

HRESULT SinglePie::InitProperties() {
    return guard([&] {
        init_properties(*this, Properties::rows);
        FilledAngle = 0;
        PaintedAngle = 0;
    });
}

}  // namespace qd::single
