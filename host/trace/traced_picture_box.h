// A picture box that reports every call to a TraceSink before forwarding it (trace_sink.h).
#pragma once

#include <string>

#include "host/trace/trace_sink.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class TracedPictureBox final : public ComObject<TracedPictureBox, IPictureBox> {
  public:
    // Keeps a reference to `inner`; `sink` must outlive this object.
    TracedPictureBox(IPictureBox* inner, TraceSink& sink, std::string name = "picBox");

    QD_PICTURE_BOX_OVERRIDES

  private:
    ComPtr<IPictureBox> inner_;
    TraceSink& sink_;
    std::string name_;
};

}  // namespace qd::host
