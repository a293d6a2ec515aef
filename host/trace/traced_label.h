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

    QD_LABEL_OVERRIDES

  private:
    ComPtr<ILabel> inner_;
    TraceSink& sink_;
    std::string name_;
};

}  // namespace qd::host
