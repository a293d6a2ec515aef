// The bar control qdProgressBar: a horizontal bar that fills from the left edge as Value moves
// from Min to Max, with a label that shows the value, a fraction or a percentage.
//
// One object of plain fields, one per property, plus the two rendering lengths and the site with
// its children picBox and lblText. Every public member is one guard: a failing host call or an
// arithmetic fault ends the member at that step and comes back as its result code, with the
// steps before it left done.
#pragma once

#include <cstdint>

#include "controls/interfaces.h"
#include "foundation/host.h"
#include "foundation/host_calls.h"
#include "platform/object.h"
#include "qd/progress_controls.h"

namespace qd::progress {

class ProgressBar final
    : public ComObject<ProgressBar, DispatchImpl<_qdProgressBar, kBarInterface>, IControl> {
  public:
    // _qdProgressBar
    HRESULT Refresh() override;
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
    HRESULT put_BorderStyle(std::int32_t v) override;
    HRESULT get_BorderStyle(std::int32_t* v) override;
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
    // Drawing (draw_bar.cpp).
    void DrawBar(bool FullRedraw);
    void DrawBarBorder();
    void DrawSingleColor();
    void DrawBands();

    // Label (bar_label.cpp).
    void SetLabelText();
    void PlaceLabel();

    // The site, raising when the container has not placed the control yet.
    ControlSiteCalls& site();
    PictureBoxCalls picBox() { return site().picBox(); }
    LabelCalls lblText() { return site().lblText(); }
    void notify(const char* name) { site().PropertyChanged(name); }

    // Properties, with the defaults of a new instance.
    float Value_ = 75.0f;
    float Min_ = 0.0f;
    float Max_ = 100.0f;
    std::int32_t BorderStyle_ = p3D;
    std::int32_t FillType_ = p3ColorGradient;
    OLE_COLOR FillColorStart_ = 0x0000FF;
    OLE_COLOR FillColorMid_ = 0xFF0000;
    OLE_COLOR FillColorEnd_ = 0x00FF00;
    std::int32_t FillStyle_ = fill_style::Solid;
    std::int32_t LabelPosition_ = bar_position::pCenter;
    std::int32_t LabelType_ = pPercent;
    OLE_COLOR LabelColor_ = 0x00FFFF;
    std::int16_t LabelSize_ = 10;

    // Rendering state, in the surface's units: the filled length of the latest draw and the
    // length up to which the surface already shows the fill (0 after a clear).
    double FilledLength = 0.0;
    double PaintedLength = 0.0;

    ControlSiteCalls site_;
};

// The class factory's creator: a new bar, answering interface `iid`.
HRESULT create_progress_bar(const Guid& iid, void** out);

}  // namespace qd::progress
