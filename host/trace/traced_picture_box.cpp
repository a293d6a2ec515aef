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

// The members that only report and forward, one a line: the reads, then the writes.
#define QD_TRACED_PUT(T, Name)                                                             \
    HRESULT TracedPictureBox::put_##Name(T v) {                                            \
        return traced_put(sink_, name_, #Name, inner_.get(), &IPictureBox::put_##Name, v); \
    }
#define QD_TRACED_GET(T, Name)                                                             \
    HRESULT TracedPictureBox::get_##Name(T* v) {                                           \
        return traced_get(sink_, name_, #Name, inner_.get(), &IPictureBox::get_##Name, v); \
    }

QD_TRACED_GET(std::int16_t, ScaleMode)
QD_TRACED_GET(float, ScaleLeft)
QD_TRACED_GET(float, ScaleTop)
QD_TRACED_GET(float, ScaleWidth)
QD_TRACED_GET(float, ScaleHeight)
QD_TRACED_GET(float, Left)
QD_TRACED_GET(float, Top)
QD_TRACED_GET(float, Width)
QD_TRACED_GET(float, Height)

QD_TRACED_PUT(std::int16_t, ScaleMode)
QD_TRACED_PUT(OLE_COLOR, FillColor)
QD_TRACED_PUT(std::int16_t, FillStyle)
QD_TRACED_PUT(OLE_COLOR, ForeColor)
QD_TRACED_PUT(std::int16_t, DrawWidth)
QD_TRACED_PUT(std::int16_t, DrawStyle)
QD_TRACED_PUT(std::int16_t, DrawMode)
QD_TRACED_PUT(std::int16_t, BorderStyle)
QD_TRACED_PUT(float, Left)
QD_TRACED_PUT(float, Top)
QD_TRACED_PUT(float, Width)
QD_TRACED_PUT(float, Height)

#undef QD_TRACED_PUT
#undef QD_TRACED_GET

}  // namespace qd::host
