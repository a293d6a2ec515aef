#include "host/trace/traced_site.h"

namespace qd::host {

namespace {
constexpr const char* kObject = "control";
}

TracedSite::TracedSite(IControlSite* inner, TraceSink& sink) : inner_(inner), sink_(sink) {}

HRESULT TracedSite::get_Width(float* v) {
    return traced_get(sink_, kObject, "Width", inner_.get(), &IControlSite::get_Width, v);
}
HRESULT TracedSite::put_Width(float v) {
    return traced_put(sink_, kObject, "Width", inner_.get(), &IControlSite::put_Width, v);
}
HRESULT TracedSite::get_Height(float* v) {
    return traced_get(sink_, kObject, "Height", inner_.get(), &IControlSite::get_Height, v);
}
HRESULT TracedSite::put_Height(float v) {
    return traced_put(sink_, kObject, "Height", inner_.get(), &IControlSite::put_Height, v);
}
HRESULT TracedSite::PropertyChanged(const char* name) {
    if (!name)
        return E_POINTER;
    return traced_call(
        sink_, [&] { return "PropertyChanged " + trace_value(name); },
        [&] { return inner_->PropertyChanged(name); });
}

HRESULT TracedSite::get_picBox(IPictureBox** out) {
    return inner_->get_picBox(out);
}

HRESULT TracedSite::get_lblText(ILabel** out) {
    return inner_->get_lblText(out);
}

}  // namespace qd::host
