// A picture box that reports every call to a TraceSink before forwarding it (trace_sink.h).
#pragma once

#include <string>

#include "foundation/host.h"
#include "host/trace/trace_sink.h"
#include "platform/object.h"

namespace qd::host {

class TracedPictureBox final : public ComObject<TracedPictureBox, IPictureBox> {
  public:
    // Keeps a reference to `inner`; `sink` must outlive this object.
    TracedPictureBox(IPictureBox* inner, TraceSink& sink, std::string name = "picBox");

    HRESULT Cls() override;
    HRESULT Circle(float x, float y, float radius, OptionalColor color, OptionalSingle start,
                   OptionalSingle end, OptionalSingle aspect) override;
    HRESULT Line(float x1, float y1, float x2, float y2) override;

    HRESULT put_ScaleMode(std::int16_t mode) override;
    HRESULT get_ScaleMode(std::int16_t* mode) override;
    HRESULT get_ScaleLeft(float* v) override;
    HRESULT get_ScaleTop(float* v) override;
    HRESULT get_ScaleWidth(float* v) override;
    HRESULT get_ScaleHeight(float* v) override;

    HRESULT put_FillColor(OLE_COLOR c) override;
    HRESULT put_FillStyle(std::int16_t style) override;
    HRESULT put_ForeColor(OLE_COLOR c) override;
    HRESULT put_DrawWidth(std::int16_t width) override;
    HRESULT put_DrawStyle(std::int16_t style) override;
    HRESULT put_DrawMode(std::int16_t mode) override;
    HRESULT put_BorderStyle(std::int16_t style) override;

    HRESULT get_Left(float* v) override;
    HRESULT put_Left(float v) override;
    HRESULT get_Top(float* v) override;
    HRESULT put_Top(float v) override;
    HRESULT get_Width(float* v) override;
    HRESULT put_Width(float v) override;
    HRESULT get_Height(float* v) override;
    HRESULT put_Height(float v) override;

  private:
    template <typename T>
    HRESULT set(const char* member, T value, HRESULT (IPictureBox::*put)(T));
    template <typename T>
    HRESULT get(const char* member, T* out, HRESULT (IPictureBox::*get)(T*));

    ComPtr<IPictureBox> inner_;
    TraceSink& sink_;
    std::string name_;
};

}  // namespace qd::host
