// The pie control qdProgressPie: a sector of an ellipse that grows counter-clockwise from
// 3 o'clock as Value moves from Min to Max, with a label that shows the value, a fraction or a
// percentage.
//
// One object of plain fields, one per property, plus the two rendering angles and the site
// with its children picBox and lblText. Every public member is one guard: a failing host call
// or an arithmetic fault ends the member at that step and comes back as its result code, with
// the steps before it left done.
#pragma once

#include <cstdint>

#include "controls/interfaces.h"
#include "foundation/host.h"
#include "foundation/host_calls.h"
#include "platform/object.h"
#include "qd/progress_controls.h"

namespace qd::progress {

class ProgressPie final
    : public ComObject<ProgressPie, DispatchImpl<_qdProgressPie, kPieInterface>, IControl> {
  public:
    // _qdProgressPie
    HRESULT Refresh() override;
    HRESULT put_Aspect(float v) override;
    HRESULT get_Aspect(float* v) override;
    HRESULT put_LabelSize(std::int16_t v) override;
    HRESULT get_LabelSize(std::int16_t* v) override;
    HRESULT put_LabelColor(OLE_COLOR v) override;
    HRESULT get_LabelColor(OLE_COLOR* v) override;
    HRESULT put_LabelType(std::int32_t v) override;
    HRESULT get_LabelType(std::int32_t* v) override;
    HRESULT put_LabelPosition(std::int32_t v) override;
    HRESULT get_LabelPosition(std::int32_t* v) override;
    HRESULT put_FillStyle(std::int32_t v) override;
    HRESULT get_FillStyle(std::int32_t* v) override;
    HRESULT put_FillColorStart(OLE_COLOR v) override;
    HRESULT get_FillColorStart(OLE_COLOR* v) override;
    HRESULT put_FillColorEnd(OLE_COLOR v) override;
    HRESULT get_FillColorEnd(OLE_COLOR* v) override;
    HRESULT put_FillColorMid(OLE_COLOR v) override;
    HRESULT get_FillColorMid(OLE_COLOR* v) override;
    HRESULT put_FillType(std::int32_t v) override;
    HRESULT get_FillType(std::int32_t* v) override;
    HRESULT put_BorderColor(OLE_COLOR v) override;
    HRESULT get_BorderColor(OLE_COLOR* v) override;
    HRESULT put_BorderWidth(float v) override;
    HRESULT get_BorderWidth(float* v) override;
    HRESULT put_BorderShow(VARIANT_BOOL v) override;
    HRESULT get_BorderShow(VARIANT_BOOL* v) override;
    HRESULT put_Max(float v) override;
    HRESULT get_Max(float* v) override;
    HRESULT get_Min(float* v) override;
    HRESULT put_Min(float v) override;
    HRESULT get_Value(float* v) override;
    HRESULT put_Value(float v) override;

    // IControl: the container's events.
    HRESULT SetSite(IControlSite* site) override;
    HRESULT InitProperties() override;
    HRESULT ReadProperties(IPropertyStore* store) override;
    HRESULT WriteProperties(IPropertyStore* store) override;
    HRESULT Resize() override;

  private:
    // Drawing (draw_pie.cpp, pie_bands.cpp).
    void DrawPie(bool FullRedraw);
    void DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void DrawBands(std::int32_t cx, std::int32_t cy, std::int32_t r);
    // Label and layout (pie_label.cpp).
    void SetLabelText();
    void PlaceLabel();
    void ResizeSteps();

    // The site, or E_UNEXPECTED before SetSite.
    ControlSiteCalls& site();
    void set_defaults();
    void notify(const char* name) { site().PropertyChanged(name); }
    // The appearance setters: store, notify, full redraw.
    template <typename T>
    HRESULT put_appearance(T& field, T v, const char* name);

    // Properties, with the defaults of a new instance.
    float Value = 75;
    float Min = 0;
    float Max = 100;
    VARIANT_BOOL BorderShow = VARIANT_TRUE;
    OLE_COLOR BorderColor = 0xE0E0E0;
    float BorderWidth = 1;
    std::int32_t FillType = p3ColorGradient;
    OLE_COLOR FillColorStart = 0x0000FF;
    OLE_COLOR FillColorMid = 0xFF0000;
    OLE_COLOR FillColorEnd = 0x00FF00;
    std::int32_t FillStyle = fill_style::Solid;
    std::int32_t LabelPosition = pCenter;
    std::int32_t LabelType = pPercent;
    OLE_COLOR LabelColor = 0x00FFFF;
    std::int16_t LabelSize = 18;
    float Aspect = 0.75f;

    // Rendering state: the angle of the latest draw and the angle the surface already shows.
    double FilledAngle = 0.0;
    double PaintedAngle = 0.0;

    ControlSiteCalls site_;
};

// The class factory's step: a new pie, answering `iid`.
HRESULT create_progress_pie(const Guid& iid, void** out);

}  // namespace qd::progress
