// What a host learns about a hosted control besides its interfaces: the error a failed host step
// throws, a control's design extent and the state of its label.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include <qdprogress/colour.h>
#include <qdprogress/result.h>

namespace qd::host {

// A host step that failed: a host event or a property call the control refused, a control that
// cannot be created, or a file that cannot be written. `code` is the failure's result code;
// what() adds what the container knows about it (empty for a control's own failure).
class ContainerError : public std::runtime_error {
  public:
    ContainerError(HRESULT code, const std::string& detail)
        : std::runtime_error(detail), code_(code) {}
    HRESULT code() const { return code_; }

  private:
    HRESULT code_;
};

// A design extent, in twips.
struct ControlExtent {
    float width;
    float height;
};

// The label a control shows over its picture, as the control last set it.
struct LabelState {
    std::string caption;
    bool visible = true;
    std::int16_t alignment = 0;
    float left = 0, top = 0, width = 0, height = 0;
    OLE_COLOR fore_color = 0;
    float font_size = 0;
};

}  // namespace qd::host
