// A control site that reports the control's Width / Height calls (as OBJECT "control") and its
// notifications (PropertyChanged "NAME") to a TraceSink before forwarding them. The children
// are handed out untraced by this site: wrap them in their own decorators.
#pragma once

#include "host/trace/trace_sink.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class TracedSite final : public ComObject<TracedSite, IControlSite> {
  public:
    // Keeps a reference to `inner`; `sink` must outlive this object.
    TracedSite(IControlSite* inner, TraceSink& sink);

    HRESULT get_Width(float* v) override;
    HRESULT put_Width(float v) override;
    HRESULT get_Height(float* v) override;
    HRESULT put_Height(float v) override;
    HRESULT PropertyChanged(const char* name) override;
    HRESULT get_picBox(IPictureBox** out) override;
    HRESULT get_lblText(ILabel** out) override;

  private:
    ComPtr<IControlSite> inner_;
    TraceSink& sink_;
};

}  // namespace qd::host
