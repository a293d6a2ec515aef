#include "host/trace/traced_label.h"

namespace qd::host {

TracedLabel::TracedLabel(ILabel* inner, TraceSink& sink, std::string name)
    : inner_(inner), sink_(sink), name_(std::move(name)) {}

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

// The members that only report and forward, one a line.
#define QD_TRACED_PUT(T, Name)                                                        \
    HRESULT TracedLabel::put_##Name(T v) {                                            \
        return traced_put(sink_, name_, #Name, inner_.get(), &ILabel::put_##Name, v); \
    }
#define QD_TRACED_GET(Name)                                                           \
    HRESULT TracedLabel::get_##Name(float* v) {                                       \
        return traced_get(sink_, name_, #Name, inner_.get(), &ILabel::get_##Name, v); \
    }

QD_TRACED_GET(Width)
QD_TRACED_PUT(OLE_COLOR, ForeColor)
QD_TRACED_PUT(float, Left)
QD_TRACED_PUT(std::int16_t, Alignment)
QD_TRACED_GET(Height)
QD_TRACED_PUT(float, Top)
QD_TRACED_PUT(std::int16_t, BackStyle)
QD_TRACED_PUT(float, FontSize)

#undef QD_TRACED_PUT
#undef QD_TRACED_GET

}  // namespace qd::host
