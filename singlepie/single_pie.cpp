#include "singlepie/single_pie.h"

namespace qd::single {

ControlSiteCalls& SinglePie::site() {
    // The container places the control before any other event; a call that comes earlier has
    // nothing to draw on.
    if (!site_.attached())
        raise(E_UNEXPECTED);
    return site_;
}

void SinglePie::Notify(const char* name) {
    site().PropertyChanged(name);
}

void SinglePie::Redraw(bool full) {
    bool FullRedraw = full;  // a fresh flag per call; DrawPie may raise it
    DrawPie(FullRedraw);
}

template <typename T>
HRESULT SinglePie::PutAppearance(T& field, T v, const char* name) {
    return guard([&] {
        field = v;
        Notify(name);
        Redraw(true);
    });
}

// ---- Range ------------------------------------------------------------------------------------

HRESULT SinglePie::get_Value(float* v) {
    return return_value(Value_, v);
}
HRESULT SinglePie::put_Value(float v) {
    return guard([&] {
        if (!(Min_ <= v && v <= Max_))
            return;  // refused silently, also a NaN
        Value_ = v;
        Notify("Value");
        Redraw(false);
    });
}

HRESULT SinglePie::get_Min(float* v) {
    return return_value(Min_, v);
}
HRESULT SinglePie::put_Min(float v) {
    return guard([&] {
        if (!(v < Max_))
            return;
        Min_ = v;
        Notify("Min");
        if (Min_ > Value_) {
            Value_ = Min_;
            Notify("Value");
        }
        Redraw(false);
    });
}

HRESULT SinglePie::get_Max(float* v) {
    return return_value(Max_, v);
}
HRESULT SinglePie::put_Max(float v) {
    return guard([&] {
        if (!(v > Min_))
            return;
        Max_ = v;
        Notify("Max");
        if (Max_ < Value_) {
            Value_ = Max_;
            Notify("Value");
        }
        Redraw(false);
    });
}

// ---- Appearance: each redraws in full -----------------------------------------------------------

HRESULT SinglePie::get_BorderShow(VARIANT_BOOL* v) {
    return return_value(BorderShow_, v);
}
HRESULT SinglePie::put_BorderShow(VARIANT_BOOL v) {
    return PutAppearance(BorderShow_, v, "BorderShow");
}
HRESULT SinglePie::get_BorderWidth(float* v) {
    return return_value(BorderWidth_, v);
}
HRESULT SinglePie::put_BorderWidth(float v) {
    return PutAppearance(BorderWidth_, v, "BorderWidth");
}
HRESULT SinglePie::get_BorderColor(OLE_COLOR* v) {
    return return_value(BorderColor_, v);
}
HRESULT SinglePie::put_BorderColor(OLE_COLOR v) {
    return PutAppearance(BorderColor_, v, "BorderColor");
}
HRESULT SinglePie::get_FillType(std::int32_t* v) {
    return return_value(FillType_, v);
}
HRESULT SinglePie::put_FillType(std::int32_t v) {
    return PutAppearance(FillType_, v, "FillType");
}
HRESULT SinglePie::get_StartColor(OLE_COLOR* v) {
    return return_value(StartColor_, v);
}
HRESULT SinglePie::put_StartColor(OLE_COLOR v) {
    return PutAppearance(StartColor_, v, "StartColor");
}
HRESULT SinglePie::get_EndColor(OLE_COLOR* v) {
    return return_value(EndColor_, v);
}
HRESULT SinglePie::put_EndColor(OLE_COLOR v) {
    return PutAppearance(EndColor_, v, "EndColor");
}
HRESULT SinglePie::get_FillStyle(std::int32_t* v) {
    return return_value(FillStyle_, v);
}
HRESULT SinglePie::put_FillStyle(std::int32_t v) {
    return PutAppearance(FillStyle_, v, "FillStyle");
}

// ---- Label: no redraw of the pie ----------------------------------------------------------------

HRESULT SinglePie::get_LabelPosition(std::int32_t* v) {
    return return_value(LabelPosition_, v);
}
HRESULT SinglePie::put_LabelPosition(std::int32_t v) {
    return guard([&] {
        LabelPosition_ = v;
        Notify("LabelPosition");
        PlaceLabel();
    });
}

HRESULT SinglePie::get_LabelType(std::int32_t* v) {
    return return_value(LabelType_, v);
}
HRESULT SinglePie::put_LabelType(std::int32_t v) {
    return guard([&] {
        LabelType_ = v;
        Notify("LabelType");
        SetLabelText();
        PlaceLabel();
    });
}

HRESULT SinglePie::get_LabelColor(OLE_COLOR* v) {
    return return_value(LabelColor_, v);
}
HRESULT SinglePie::put_LabelColor(OLE_COLOR v) {
    return guard([&] {
        LabelColor_ = v;
        Notify("LabelColor");
        lblText().ForeColor(LabelColor_);
    });
}

HRESULT SinglePie::get_LabelSize(std::int16_t* v) {
    return return_value(LabelSize_, v);
}
HRESULT SinglePie::put_LabelSize(std::int16_t v) {
    return guard([&] {
        if (!(v >= 6))
            return;
        LabelSize_ = v;
        Notify("LabelSize");
        lblText().FontSize(static_cast<float>(LabelSize_));
    });
}

HRESULT SinglePie::Refresh() {
    return guard([&] { Redraw(true); });
}

// ---- Container events ---------------------------------------------------------------------------

HRESULT SinglePie::SetSite(IControlSite* site) {
    if (!site)
        return E_POINTER;
    return guard([&] { site_.attach(site); });
}

HRESULT SinglePie::InitProperties() {
    return guard([&] {
        Value_ = 75;
        FilledAngle_ = 0;
        PaintedAngle_ = 0;
        Min_ = 0;
        Max_ = 100;
        BorderShow_ = VARIANT_TRUE;
        BorderColor_ = qd::RGB(200, 200, 200);
        BorderWidth_ = 2;
        FillType_ = ppGradient;
        StartColor_ = 0x00FF0000;
        EndColor_ = 0x0000FF00;
        FillStyle_ = 0;
        LabelPosition_ = ppCenter;
        LabelType_ = ppPercent;
        LabelColor_ = 0x0000FFFF;
        LabelSize_ = 18;
    });
}

// Stored values are taken as they come: no checks, no notification, no drawing. A failing key
// ends the read; the fields read before it keep their new values.
HRESULT SinglePie::ReadProperties(IPropertyStore* store) {
    if (!store)
        return E_POINTER;
    return guard([&] {
        PropertyStoreCalls s(store);
        Min_ = s.Read("Min", Variant(std::int16_t{0})).to_single();
        Max_ = s.Read("Max", Variant(std::int16_t{100})).to_single();
        Value_ = s.Read("Value", Variant(std::int16_t{0})).to_single();
        BorderShow_ = s.Read("BorderShow", Variant::boolean(true)).to_bool();
        BorderColor_ = s.Read("BorderColor", Variant(std::int32_t{0x000000FF})).to_int32();
        BorderWidth_ = s.Read("BorderWidth", Variant(std::int16_t{2})).to_single();
        FillType_ = s.Read("FillType").to_int32();  // no default: a missing key is Empty, 0
        StartColor_ = s.Read("StartColor", Variant(std::int32_t{0x00FFFFFF})).to_int32();
        EndColor_ = s.Read("EndColor", Variant(std::int32_t{0x000000FF})).to_int32();
        FillStyle_ = s.Read("FillStyle", Variant(std::int32_t{0})).to_int32();
        LabelPosition_ = s.Read("LabelPosition", Variant(std::int32_t{ppLowLeft})).to_int32();
        LabelType_ = s.Read("LabelType", Variant(std::int32_t{ppFraction})).to_int32();
        LabelColor_ = s.Read("LabelColor", Variant(std::int32_t{0})).to_int32();
        LabelSize_ = s.Read("LabelSize", Variant(std::int16_t{12})).to_int16();
    });
}

// Every key on every save, BorderWidth before BorderColor.
HRESULT SinglePie::WriteProperties(IPropertyStore* store) {
    if (!store)
        return E_POINTER;
    return guard([&] {
        PropertyStoreCalls s(store);
        s.Write("Min", Variant(Min_));
        s.Write("Max", Variant(Max_));
        s.Write("Value", Variant(Value_));
        s.Write("BorderShow", Variant::boolean(BorderShow_ != 0));
        s.Write("BorderWidth", Variant(BorderWidth_));
        s.Write("BorderColor", Variant(BorderColor_));
        s.Write("FillType", Variant(FillType_));
        s.Write("StartColor", Variant(StartColor_));
        s.Write("EndColor", Variant(EndColor_));
        s.Write("FillStyle", Variant(FillStyle_));
        s.Write("LabelPosition", Variant(LabelPosition_));
        s.Write("LabelType", Variant(LabelType_));
        s.Write("LabelColor", Variant(LabelColor_));
        s.Write("LabelSize", Variant(LabelSize_));
    });
}

HRESULT SinglePie::Resize() {
    return guard([&] { OnResize(); });
}

HRESULT create_single_pie(const Guid& iid, void** out) {
    return SinglePie::create_instance(iid, out);
}

}  // namespace qd::single
