// A label that reports every call to a TraceSink before forwarding it (trace_sink.h).
#pragma once

#include <string>

#include "host/trace/trace_sink.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class TracedLabel final : public ComObject<TracedLabel, ILabel> {
  public:
    // Keeps a reference to `inner`; `sink` must outlive this object.
    TracedLabel(ILabel* inner, TraceSink& sink, std::string name = "lblText");

    HRESULT put_Caption(const char* text) override;
    HRESULT put_ForeColor(OLE_COLOR c) override;
    HRESULT put_FontSize(float points) override;
    HRESULT put_Alignment(std::int16_t a) override;
    HRESULT put_BackStyle(std::int16_t s) override;
    HRESULT put_Visible(VARIANT_BOOL v) override;
    HRESULT put_Left(float v) override;
    HRESULT put_Top(float v) override;
    HRESULT get_Width(float* v) override;
    HRESULT get_Height(float* v) override;

  private:
    ComPtr<ILabel> inner_;
    TraceSink& sink_;
    std::string name_;
};

}  // namespace qd::host
