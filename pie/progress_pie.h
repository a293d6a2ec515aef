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
#include "kit/control_rules.h"
#include "platform/host.h"
#include "platform/host_calls.h"
#include "platform/object.h"
#include "qd/progress_controls.h"

namespace qd::progress {

extern const InterfaceDesc kPieInterface;  // _qdProgressPie, in slot order (pie_properties.cpp)

class ProgressPie final
    : public ComObject<ProgressPie, DispatchImpl<_qdProgressPie, kPieInterface>, IControl> {
    using Rules = ControlRules;
    using Self = ProgressPie;

  public:
    QD_SHARED_CONTROL_MEMBERS

    struct Properties;
    ProgressPie();

    // _qdProgressPie
    HRESULT put_Aspect(float v) override;
    HRESULT get_Aspect(float* v) override { return return_value(Aspect, v); }
    HRESULT put_FillStyle(std::int32_t v) override { return appearance(&Self::FillStyle, v); }
    HRESULT get_FillStyle(std::int32_t* v) override { return return_value(FillStyle, v); }
    HRESULT put_FillColorStart(OLE_COLOR v) override {
        return appearance(&Self::FillColorStart, v);
    }
    HRESULT get_FillColorStart(OLE_COLOR* v) override { return return_value(FillColorStart, v); }
    HRESULT put_FillColorEnd(OLE_COLOR v) override { return appearance(&Self::FillColorEnd, v); }
    HRESULT get_FillColorEnd(OLE_COLOR* v) override { return return_value(FillColorEnd, v); }
    HRESULT put_FillColorMid(OLE_COLOR v) override { return appearance(&Self::FillColorMid, v); }
    HRESULT get_FillColorMid(OLE_COLOR* v) override { return return_value(FillColorMid, v); }
    HRESULT put_FillType(std::int32_t v) override { return appearance(&Self::FillType, v); }
    HRESULT get_FillType(std::int32_t* v) override { return return_value(FillType, v); }
    HRESULT put_BorderColor(OLE_COLOR v) override { return appearance(&Self::BorderColor, v); }
    HRESULT get_BorderColor(OLE_COLOR* v) override { return return_value(BorderColor, v); }
    HRESULT put_BorderWidth(float v) override { return appearance(&Self::BorderWidth, v); }
    HRESULT get_BorderWidth(float* v) override { return return_value(BorderWidth, v); }
    HRESULT put_BorderShow(VARIANT_BOOL v) override { return appearance(&Self::BorderShow, v); }
    HRESULT get_BorderShow(VARIANT_BOOL* v) override { return return_value(BorderShow, v); }
    HRESULT put_Min(float v) override { return Rules::put_Min(*this, v); }

    // IControl: the container's events the other controls share are above.
    HRESULT InitProperties() override { return Rules::InitProperties(*this); }

  private:
    QD_SHARED_CONTROL_STEPS(Self)

    // Drawing (draw_pie.cpp, pie_bands.cpp).
    void Redraw(bool full) { DrawPie(full); }
    void DrawPie(bool FullRedraw);
    void DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void DrawBands(std::int32_t cx, std::int32_t cy, std::int32_t r);
    // Label and layout (pie_label.cpp).
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
    OLE_COLOR FillColorStart = 0;
    OLE_COLOR FillColorMid = 0;
    OLE_COLOR FillColorEnd = 0;
    std::int32_t FillStyle = 0;
    std::int32_t LabelPosition = 0;
    std::int32_t LabelType = 0;
    OLE_COLOR LabelColor = 0;
    std::int16_t LabelSize = 0;
    float Aspect = 0;

    // Rendering state: the angle of the latest draw and the angle the surface already shows.
    double FilledAngle = 0.0;
    double PaintedAngle = 0.0;

    ControlSiteCalls site_;
};

// The pie's properties, in the order ReadProperties reads them.
struct ProgressPie::Properties {
    static const PropertyRow<ProgressPie> rows[16];
};

// The class factory's step: a new pie, answering `iid`.
HRESULT create_progress_pie(const Guid& iid, void** out);

}  // namespace qd::progress
