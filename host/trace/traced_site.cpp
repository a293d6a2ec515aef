#include "host/trace/traced_site.h"

namespace qd::host {

namespace {
constexpr const char* kObject = "control";
}

TracedSite::TracedSite(IControlSite* inner, TraceSink& sink) : inner_(inner), sink_(sink) {}

HRESULT TracedSite::get_Width(float* v) {
    return traced_read(
        sink_, kObject, "Width", v, [&](float* out) { return inner_->get_Width(out); },
        [](float x) { return trace_value(x); });
}

HRESULT TracedSite::put_Width(float v) {
    return traced_call(
        sink_, [&] { return set_line(kObject, "Width", trace_value(v)); },
        [&] { return inner_->put_Width(v); });
}

HRESULT TracedSite::get_Height(float* v) {
    return traced_read(
        sink_, kObject, "Height", v, [&](float* out) { return inner_->get_Height(out); },
        [](float x) { return trace_value(x); });
}

HRESULT TracedSite::put_Height(float v) {
    return traced_call(
        sink_, [&] { return set_line(kObject, "Height", trace_value(v)); },
        [&] { return inner_->put_Height(v); });
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
