// The pie control qdProgressPie: a sector of an ellipse that grows counter-clockwise from
// 3 o'clock as Value moves from Min to Max, with a label that shows the value, a fraction or a
// percentage.
//
// One object of plain fields, one per property, plus the two rendering angles and the site
// with its children picBox and lblText. The properties are described once, in Properties::rows
// (pie_properties.cpp); the setters and container events it shares with the other controls
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

class ProgressPie final : public ControlObject<ProgressPie, _qdProgressPie, kPieInterface> {
  public:
    ProgressPie();

    // _qdProgressPie: its own members, the groups of plain properties, then the range's Min.
    HRESULT put_Aspect(float v) override;
    HRESULT get_Aspect(float* v) override { return return_value(Aspect, v); }
    QD_GRADIENT_MEMBERS
    QD_OUTLINE_MEMBERS
    HRESULT put_Min(float v) override { return ControlRules::put_Min(*this, v); }

    // IControl: the container's events the other controls share are in the shared part.
    HRESULT InitProperties() override { return ControlRules::InitProperties(*this); }

  private:
    // Drawing (draw_pie.cpp, pie_bands.cpp).
    void Redraw(bool full) { DrawPie(full); }
    void DrawPie(bool FullRedraw);
    void DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void DrawBands(std::int32_t cx, std::int32_t cy, std::int32_t r);
    // Label and layout (pie_label.cpp).
    void PlaceLabel();
    void OnResize();

    // Rendering state: the angle of the latest draw and the angle the surface already shows.
    double FilledAngle = 0.0;
    double PaintedAngle = 0.0;

    // Aspect, whose setter has rules of its own; a new control's values are in Properties::rows.
    float Aspect = 0;

    // The members, steps and fields the three controls share, and the property table
    // (pie_properties.cpp), in the order ReadProperties reads it.
    QD_SHARED_CONTROL_PART(ProgressPie, 16)
};

// The class factory's step: a new pie, answering `iid`.
HRESULT create_progress_pie(const Guid& iid, void** out);

}  // namespace qd::progress
