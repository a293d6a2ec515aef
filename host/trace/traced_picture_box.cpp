#include "host/trace/traced_picture_box.h"

#include <optional>
#include <vector>

namespace qd::host {

namespace {

template <typename T>
std::optional<std::string> argument(const Optional<T>& a) {
    if (!a.present)
        return std::nullopt;
    return trace_value(a.value);
}

}  // namespace

TracedPictureBox::TracedPictureBox(IPictureBox* inner, TraceSink& sink, std::string name)
    : inner_(inner), sink_(sink), name_(std::move(name)) {}

template <typename T>
HRESULT TracedPictureBox::set(const char* member, T value, HRESULT (IPictureBox::*put)(T)) {
    return traced_call(
        sink_, [&] { return set_line(name_, member, trace_value(value)); },
        [&] { return (inner_.get()->*put)(value); });
}

template <typename T>
HRESULT TracedPictureBox::get(const char* member, T* out, HRESULT (IPictureBox::*get)(T*)) {
    return traced_read(
        sink_, name_, member, out, [&](T* v) { return (inner_.get()->*get)(v); },
        [](T v) { return trace_value(v); });
}

HRESULT TracedPictureBox::Cls() {
    return traced_call(
        sink_, [&] { return call_line(name_, "Cls", {}); }, [&] { return inner_->Cls(); });
}

HRESULT TracedPictureBox::Circle(float x, float y, float radius, OptionalColor color,
                                 OptionalSingle start, OptionalSingle end, OptionalSingle aspect) {
    const auto line = [&] {
        return call_line(name_, "Circle",
                         {trace_value(x), trace_value(y), trace_value(radius), argument(color),
                          argument(start), argument(end), argument(aspect)});
    };
    return traced_call(sink_, line,
                       [&] { return inner_->Circle(x, y, radius, color, start, end, aspect); });
}

HRESULT TracedPictureBox::Line(float x1, float y1, float x2, float y2) {
    const auto line = [&] {
        return call_line(name_, "Line",
                         {trace_value(x1), trace_value(y1), trace_value(x2), trace_value(y2)});
    };
    return traced_call(sink_, line, [&] { return inner_->Line(x1, y1, x2, y2); });
}

HRESULT TracedPictureBox::put_ScaleMode(std::int16_t v) {
    return set("ScaleMode", v, &IPictureBox::put_ScaleMode);
}
HRESULT TracedPictureBox::get_ScaleMode(std::int16_t* v) {
    return get("ScaleMode", v, &IPictureBox::get_ScaleMode);
}
HRESULT TracedPictureBox::get_ScaleLeft(float* v) {
    return get("ScaleLeft", v, &IPictureBox::get_ScaleLeft);
}
HRESULT TracedPictureBox::get_ScaleTop(float* v) {
    return get("ScaleTop", v, &IPictureBox::get_ScaleTop);
}
HRESULT TracedPictureBox::get_ScaleWidth(float* v) {
    return get("ScaleWidth", v, &IPictureBox::get_ScaleWidth);
}
HRESULT TracedPictureBox::get_ScaleHeight(float* v) {
    return get("ScaleHeight", v, &IPictureBox::get_ScaleHeight);
}
HRESULT TracedPictureBox::put_FillColor(OLE_COLOR v) {
    return set("FillColor", v, &IPictureBox::put_FillColor);
}
HRESULT TracedPictureBox::put_FillStyle(std::int16_t v) {
    return set("FillStyle", v, &IPictureBox::put_FillStyle);
}
HRESULT TracedPictureBox::put_ForeColor(OLE_COLOR v) {
    return set("ForeColor", v, &IPictureBox::put_ForeColor);
}
HRESULT TracedPictureBox::put_DrawWidth(std::int16_t v) {
    return set("DrawWidth", v, &IPictureBox::put_DrawWidth);
}
HRESULT TracedPictureBox::put_DrawStyle(std::int16_t v) {
    return set("DrawStyle", v, &IPictureBox::put_DrawStyle);
}
HRESULT TracedPictureBox::put_DrawMode(std::int16_t v) {
    return set("DrawMode", v, &IPictureBox::put_DrawMode);
}
HRESULT TracedPictureBox::put_BorderStyle(std::int16_t v) {
    return set("BorderStyle", v, &IPictureBox::put_BorderStyle);
}
HRESULT TracedPictureBox::get_Left(float* v) {
    return get("Left", v, &IPictureBox::get_Left);
}
HRESULT TracedPictureBox::put_Left(float v) {
    return set("Left", v, &IPictureBox::put_Left);
}
HRESULT TracedPictureBox::get_Top(float* v) {
    return get("Top", v, &IPictureBox::get_Top);
}
HRESULT TracedPictureBox::put_Top(float v) {
    return set("Top", v, &IPictureBox::put_Top);
}
HRESULT TracedPictureBox::get_Width(float* v) {
    return get("Width", v, &IPictureBox::get_Width);
}
HRESULT TracedPictureBox::put_Width(float v) {
    return set("Width", v, &IPictureBox::put_Width);
}
HRESULT TracedPictureBox::get_Height(float* v) {
    return get("Height", v, &IPictureBox::get_Height);
}
HRESULT TracedPictureBox::put_Height(float v) {
    return set("Height", v, &IPictureBox::put_Height);
}

}  // namespace qd::host
