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
#include "kit/control_rules.h"
#include "platform/host.h"
#include "platform/host_calls.h"
#include "platform/object.h"
#include "qd/progress_controls.h"

namespace qd::progress {

extern const InterfaceDesc kBarInterface;  // _qdProgressBar, in slot order (bar_properties.cpp)

class ProgressBar final
    : public ComObject<ProgressBar, DispatchImpl<_qdProgressBar, kBarInterface>, IControl> {
    using Rules = ControlRules;
    using Self = ProgressBar;

  public:
    QD_SHARED_CONTROL_MEMBERS

    struct Properties;
    ProgressBar();

    // _qdProgressBar
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
    HRESULT put_BorderStyle(std::int32_t v) override { return appearance(&Self::BorderStyle, v); }
    HRESULT get_BorderStyle(std::int32_t* v) override { return return_value(BorderStyle, v); }
    HRESULT put_Min(float v) override { return Rules::put_Min(*this, v); }

    // IControl: the container's events the other controls share are above.
    HRESULT InitProperties() override { return Rules::InitProperties(*this); }

  private:
    QD_SHARED_CONTROL_STEPS(Self)

    // Drawing (draw_bar.cpp).
    void Redraw(bool full) { DrawBar(full); }
    void DrawBar(bool FullRedraw);
    void DrawBarBorder();
    void DrawSingleColor();
    void DrawBands();
    // Label and layout (bar_label.cpp).
    void PlaceLabel();
    void OnResize();

    // Properties; a new control's values are in Properties::rows.
    float Value = 0;
    float Min = 0;
    float Max = 0;
    std::int32_t BorderStyle = 0;
    std::int32_t FillType = 0;
    OLE_COLOR FillColorStart = 0;
    OLE_COLOR FillColorMid = 0;
    OLE_COLOR FillColorEnd = 0;
    std::int32_t FillStyle = 0;
    std::int32_t LabelPosition = 0;
    std::int32_t LabelType = 0;
    OLE_COLOR LabelColor = 0;
    std::int16_t LabelSize = 0;

    // Rendering state, in the surface's units: the filled length of the latest draw and the
    // length up to which the surface already shows the fill (0 after a clear).
    double FilledLength = 0.0;
    double PaintedLength = 0.0;

    ControlSiteCalls site_;
};

// The bar's properties, in the order ReadProperties reads them.
struct ProgressBar::Properties {
    static const PropertyRow<ProgressBar> rows[13];
};

// The class factory's creator: a new bar, answering interface `iid`.
HRESULT create_progress_bar(const Guid& iid, void** out);

}  // namespace qd::progress
