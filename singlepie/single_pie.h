// The single pie control qdxProgressPie: a square pie that fills counter-clockwise from
// 3 o'clock as Value moves from Min to Max, in one colour or a two-colour gradient, with an
// optional circular border and a text label.
//
// One object of plain fields (in declaration order: Value, the two rendering angles, then the
// persisted properties), the public members of _qdxProgressPie, the container's events, and
// the private drawing routines. Every public member is one guard: a failing host call or an
// arithmetic fault ends it at that step and comes back as its result code.
#pragma once

#include <cstdint>

#include "foundation/host.h"
#include "foundation/host_calls.h"
#include "platform/object.h"
#include "qd/single_pie.h"
#include "singlepie/interfaces.h"

namespace qd::single {

class SinglePie
    : public ComObject<SinglePie, DispatchImpl<_qdxProgressPie, kSinglePieInterface>, IControl> {
  public:
    // _qdxProgressPie
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
    HRESULT put_StartColor(OLE_COLOR v) override;
    HRESULT get_StartColor(OLE_COLOR* v) override;
    HRESULT put_EndColor(OLE_COLOR v) override;
    HRESULT get_EndColor(OLE_COLOR* v) override;
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
    // Drawing (single_pie_drawing.cpp).
    void DrawPie(bool& FullRedraw);
    void DrawPieBorder(std::int32_t cx, std::int32_t cy, std::int32_t r);
    void DrawGradient(std::int32_t cx, std::int32_t cy, std::int32_t r, double pi);
    void SetLabelText();
    void PlaceLabel();
    void OnResize();

    // Setter pattern: store, notify, then the follow-up.
    void Notify(const char* name);
    void Redraw(bool full);
    // An appearance setter: store, notify, full redraw.
    template <typename T>
    HRESULT PutAppearance(T& field, T v, const char* name);

    ControlSiteCalls& site();
    PictureBoxCalls picBox() { return site().picBox(); }
    LabelCalls lblText() { return site().lblText(); }

    float Value_ = 75;
    double FilledAngle_ = 0;
    double PaintedAngle_ = 0;
    float Min_ = 0;
    float Max_ = 100;
    VARIANT_BOOL BorderShow_ = VARIANT_TRUE;
    OLE_COLOR BorderColor_ = 0x00C8C8C8;
    float BorderWidth_ = 2;
    std::int32_t FillType_ = ppGradient;
    OLE_COLOR StartColor_ = 0x00FF0000;
    OLE_COLOR EndColor_ = 0x0000FF00;
    std::int32_t FillStyle_ = 0;
    std::int32_t LabelPosition_ = ppCenter;
    std::int32_t LabelType_ = ppPercent;
    OLE_COLOR LabelColor_ = 0x0000FFFF;
    std::int16_t LabelSize_ = 18;

    ControlSiteCalls site_;
};

// The class factory's creator for qdxProgressPie.
HRESULT create_single_pie(const Guid& iid, void** out);

}  // namespace qd::single
