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
#include "kit/control_rules.h"
#include "platform/host.h"
#include "platform/host_calls.h"
#include "platform/object.h"
#include "qd/single_pie.h"

namespace qd::single {

// _qdxProgressPie, in slot order (single_pie_properties.cpp).
extern const InterfaceDesc kSinglePieInterface;

class SinglePie
    : public ComObject<SinglePie, DispatchImpl<_qdxProgressPie, kSinglePieInterface>, IControl> {
    using Self = SinglePie;

  public:
    QD_SHARED_CONTROL_MEMBERS

    struct Properties;
    SinglePie();

    // _qdxProgressPie
    HRESULT put_FillStyle(std::int32_t v) override { return appearance(&Self::FillStyle, v); }
    HRESULT get_FillStyle(std::int32_t* v) override { return return_value(FillStyle, v); }
    HRESULT put_StartColor(OLE_COLOR v) override { return appearance(&Self::StartColor, v); }
    HRESULT get_StartColor(OLE_COLOR* v) override { return return_value(StartColor, v); }
    HRESULT put_EndColor(OLE_COLOR v) override { return appearance(&Self::EndColor, v); }
    HRESULT get_EndColor(OLE_COLOR* v) override { return return_value(EndColor, v); }
    HRESULT put_FillType(std::int32_t v) override { return appearance(&Self::FillType, v); }
    HRESULT get_FillType(std::int32_t* v) override { return return_value(FillType, v); }
    HRESULT put_BorderColor(OLE_COLOR v) override { return appearance(&Self::BorderColor, v); }
    HRESULT get_BorderColor(OLE_COLOR* v) override { return return_value(BorderColor, v); }
    HRESULT put_BorderWidth(float v) override { return appearance(&Self::BorderWidth, v); }
    HRESULT get_BorderWidth(float* v) override { return return_value(BorderWidth, v); }
    HRESULT put_BorderShow(VARIANT_BOOL v) override { return appearance(&Self::BorderShow, v); }
    HRESULT get_BorderShow(VARIANT_BOOL* v) override { return return_value(BorderShow, v); }
    HRESULT put_Min(float v) override;

    // IControl: InitProperties also forgets what was drawn; the other events are shared.
    HRESULT InitProperties() override;

  private:
    QD_SHARED_CONTROL_STEPS(Self)

    // Drawing (single_pie_drawing.cpp).
    void Redraw(bool full) { DrawPie(full); }
    void DrawPie(bool FullRedraw);
    void DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void DrawGradient(std::int32_t cx, std::int32_t cy, std::int32_t r, double pi);
    // Label and layout (single_pie_drawing.cpp).
    void PlaceLabel();
    void OnResize();

    // Properties; a new control's values are in Properties::rows.
    float Value = 0;
    float Min = 0;
    float Max = 0;
    VARIANT_BOOL BorderShow = 0;
    OLE_COLOR BorderColor = 0;
    float BorderWidth = 0;
    std::int32_t FillType = 0;
    OLE_COLOR StartColor = 0;
    OLE_COLOR EndColor = 0;
    std::int32_t FillStyle = 0;
    std::int32_t LabelPosition = 0;
    std::int32_t LabelType = 0;
    OLE_COLOR LabelColor = 0;
    std::int16_t LabelSize = 0;

    // Rendering state: the angle of the latest draw and the angle the surface already shows.
    double FilledAngle = 0.0;
    double PaintedAngle = 0.0;

    ControlSiteCalls site_;
};

// The single pie's properties, in the order ReadProperties reads them.
struct SinglePie::Properties {
    static const PropertyRow<SinglePie> rows[14];
};

// The class factory's creator for qdxProgressPie.
HRESULT create_single_pie(const Guid& iid, void** out);

}  // namespace qd::single
