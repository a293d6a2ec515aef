#include "host/trace/traced_label.h"

namespace qd::host {

TracedLabel::TracedLabel(ILabel* inner, TraceSink& sink, std::string name)
    : inner_(inner), sink_(sink), name_(std::move(name)) {}

template <typename T>
HRESULT TracedLabel::set(const char* member, T value, HRESULT (ILabel::*put)(T)) {
    return traced_call(
        sink_, [&] { return set_line(name_, member, trace_value(value)); },
        [&] { return (inner_.get()->*put)(value); });
}

HRESULT TracedLabel::get(const char* member, float* out, HRESULT (ILabel::*get)(float*)) {
    return traced_read(
        sink_, name_, member, out, [&](float* v) { return (inner_.get()->*get)(v); },
        [](float v) { return trace_value(v); });
}

HRESULT TracedLabel::put_Caption(const char* text) {
    if (!text)
        return E_POINTER;
    return traced_call(
        sink_, [&] { return set_line(name_, "Caption", trace_value(text)); },
        [&] { return inner_->put_Caption(text); });
}

HRESULT TracedLabel::put_Visible(VARIANT_BOOL v) {
    return traced_call(
        sink_, [&] { return set_line(name_, "Visible", trace_bool(v)); },
        [&] { return inner_->put_Visible(v); });
}

HRESULT TracedLabel::put_ForeColor(OLE_COLOR v) {
    return set("ForeColor", v, &ILabel::put_ForeColor);
}
HRESULT TracedLabel::put_FontSize(float v) {
    return set("FontSize", v, &ILabel::put_FontSize);
}
HRESULT TracedLabel::put_Alignment(std::int16_t v) {
    return set("Alignment", v, &ILabel::put_Alignment);
}
HRESULT TracedLabel::put_BackStyle(std::int16_t v) {
    return set("BackStyle", v, &ILabel::put_BackStyle);
}
HRESULT TracedLabel::put_Left(float v) {
    return set("Left", v, &ILabel::put_Left);
}
HRESULT TracedLabel::put_Top(float v) {
    return set("Top", v, &ILabel::put_Top);
}
HRESULT TracedLabel::get_Width(float* v) {
    return get("Width", v, &ILabel::get_Width);
}
HRESULT TracedLabel::get_Height(float* v) {
    return get("Height", v, &ILabel::get_Height);
}

}  // namespace qd::host
