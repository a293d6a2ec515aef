// The bar control qdProgressBar: a horizontal bar that fills from the left edge as Value moves
// from Min to Max, with a label that shows the value, a fraction or a percentage.
//
// One object of plain fields, one per property, plus the two rendering lengths and the site with
// its children picBox and lblText. The properties are described once, in Properties::rows
// (bar_properties.cpp); the setters and container events it shares with the other controls
// are ControlRules'. Every public member is one guard: a failing host call or an arithmetic
// fault ends the member at that step and comes back as its result code, with the steps before
// it left done.
#pragma once

#include <cstdint>

#include "interfaces/progress/interfaces.h"
#include "kit/control_members.h"
#include "platform/host.h"
#include "platform/host_calls.h"
#include "platform/object.h"
#include "qd/progress_controls.h"

namespace qd::progress {

class ProgressBar final : public ControlObject<ProgressBar, _qdProgressBar, kBarInterface> {
  public:
    ProgressBar();

    // _qdProgressBar: the groups of plain properties, its own BorderStyle, then the range's Min.
    QD_GRADIENT_MEMBERS
    QD_PLAIN_PROPERTY(std::int32_t, BorderStyle)
    HRESULT put_Min(float v) override { return ControlRules::put_Min(*this, v); }

    // IControl: the container's events the other controls share are in the shared part.
    HRESULT InitProperties() override { return ControlRules::InitProperties(*this); }

  private:
    // Rendering state, in the surface's units: the filled length of the latest draw and the
    // length up to which the surface already shows the fill (0 after a clear).
    double FilledLength = 0.0;
    double PaintedLength = 0.0;

    // Drawing (draw_bar.cpp).
    void Redraw(bool full) { DrawBar(full); }
    void DrawBar(bool FullRedraw);
    void DrawBarBorder();
    void DrawSingleColor();
    void DrawBands();
    // Label and layout (bar_label.cpp).
    void PlaceLabel();
    void OnResize();

    // The members, steps and fields the three controls share, and the property table
    // (bar_properties.cpp), in the order ReadProperties reads it.
    QD_SHARED_CONTROL_PART(ProgressBar, 13)
};

// The class factory's creator: a new bar, answering interface `iid`.
HRESULT create_progress_bar(const Guid& iid, void** out);

}  // namespace qd::progress
