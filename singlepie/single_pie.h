// The single pie control qdxProgressPie: a square pie that fills counter-clockwise from
// 3 o'clock as Value moves from Min to Max, in one colour or a two-colour gradient, with an
// optional circular border and a text label.
//
// One object of plain fields, one per property, plus the two rendering angles and the site
// with its children picBox and lblText. The properties are described once, in Properties::rows
// (single_pie_properties.cpp); the setters and container events it shares with the other
// controls are ControlRules'. Every public member is one guard: a failing host call or an
// arithmetic fault ends it at that step and comes back as its result code.
#pragma once

#include <cstdint>

#include "interfaces/single/interfaces.h"
#include "kit/control_members.h"
#include "platform/host.h"
#include "platform/host_calls.h"
#include "platform/object.h"
#include "qd/single_pie.h"

namespace qd::single {

class SinglePie : public ControlObject<SinglePie, _qdxProgressPie, kSinglePieInterface> {
  public:
    SinglePie();

    // _qdxProgressPie: the outline, its two colours, then Min, which takes only a value below
    // Max, so unlike the other controls' Min it refuses a NaN.
    QD_OUTLINE_MEMBERS
    QD_PLAIN_PROPERTY(OLE_COLOR, StartColor)
    QD_PLAIN_PROPERTY(OLE_COLOR, EndColor)
    HRESULT put_Min(float v) override {
        return ControlRules::put_Min(*this, v, ControlRules::NanMin::Refused);
    }

    // IControl: InitProperties also forgets what was drawn; the other events are shared.
    HRESULT InitProperties() override;

  private:
    // Drawing (single_pie_drawing.cpp).
    void Redraw(bool full) { DrawPie(full); }
    void DrawPie(bool FullRedraw);
    void DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void DrawGradient(std::int32_t cx, std::int32_t cy, std::int32_t r, double pi);
    // Label and layout (single_pie_drawing.cpp).
    void PlaceLabel();
    void OnResize();

    // Rendering state: the angle of the latest draw and the angle the surface already shows.
    double FilledAngle = 0.0;
    double PaintedAngle = 0.0;

    // The members, steps and fields the three controls share, and the property table
    // (single_pie_properties.cpp), in the order ReadProperties reads it.
    QD_SHARED_CONTROL_PART(SinglePie, 14)
};

// The class factory's creator for qdxProgressPie.
HRESULT create_single_pie(const Guid& iid, void** out);

}  // namespace qd::single
