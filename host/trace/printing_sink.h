// A trace sink that hands each host call's line to an output while tracing is on.
#pragma once

#include <functional>
#include <string_view>

#include "host/trace/trace_sink.h"

namespace qd::host {

class PrintingSink final : public TraceSink {
  public:
    explicit PrintingSink(std::function<void(std::string_view)> print) : print_(std::move(print)) {}

    HRESULT on_call(std::string_view line) override {
        if (enabled)
            print_(line);
        return S_OK;
    }

    bool wants_lines() const override { return enabled; }

    bool enabled = false;

  private:
    std::function<void(std::string_view)> print_;
};

}  // namespace qd::host
