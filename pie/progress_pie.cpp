// Properties, Refresh and the container's events of the pie control.
//
// Setters: validate (only Value, Min, Max, LabelSize and Aspect are tested, and a refused value
// is dropped silently with success), store, notify, then act. The range tests are written so
// that a NaN fails exactly the tests it must: Min only refuses v >= Max, so it takes a NaN.
#include "pie/progress_pie.h"

namespace qd::progress {

HRESULT create_progress_pie(const Guid& iid, void** out) {
    return ProgressPie::create_instance(iid, out);
}

ControlSiteCalls& ProgressPie::site() {
    if (!site_.attached())
        raise(E_UNEXPECTED);
    return site_;
}

void ProgressPie::set_defaults() {
    Value = 75;
    Min = 0;
    Max = 100;
    BorderShow = VARIANT_TRUE;
    BorderColor = 0xE0E0E0;
    BorderWidth = 1;
    FillType = p3ColorGradient;
    FillColorStart = 0x0000FF;
    FillColorMid = 0xFF0000;
    FillColorEnd = 0x00FF00;
    FillStyle = fill_style::Solid;
    LabelPosition = pCenter;
    LabelType = pPercent;
    LabelColor = 0x00FFFF;
    LabelSize = 18;
    Aspect = 0.75f;
}

// ---- Range ---------------------------------------------------------------------------------

HRESULT ProgressPie::put_Value(float v) {
    return guard([&] {
        if (!(Min <= v && v <= Max))
            return;
        Value = v;
        notify("Value");
        DrawPie(false);
    });
}

HRESULT ProgressPie::put_Min(float v) {
    return guard([&] {
        if (v >= Max)
            return;
        Min = v;
        notify("Min");
        if (Min > Value) {
            Value = Min;
            notify("Value");
        }
        DrawPie(false);
    });
}

HRESULT ProgressPie::put_Max(float v) {
    return guard([&] {
        if (!(v > Min))
            return;
        Max = v;
        notify("Max");
        if (Max < Value) {
            Value = Max;
            notify("Value");
        }
        DrawPie(false);
    });
}

HRESULT ProgressPie::get_Value(float* v) {
    return return_value(Value, v);
}
HRESULT ProgressPie::get_Min(float* v) {
    return return_value(Min, v);
}
HRESULT ProgressPie::get_Max(float* v) {
    return return_value(Max, v);
}

// ---- Appearance: store, notify, full redraw --------------------------------------------------

template <typename T>
HRESULT ProgressPie::put_appearance(T& field, T v, const char* name) {
    return guard([&] {
        field = v;
        notify(name);
        DrawPie(true);
    });
}

HRESULT ProgressPie::put_BorderShow(VARIANT_BOOL v) {
    return put_appearance(BorderShow, v, "BorderShow");
}
HRESULT ProgressPie::get_BorderShow(VARIANT_BOOL* v) {
    return return_value(BorderShow, v);
}
HRESULT ProgressPie::put_BorderColor(OLE_COLOR v) {
    return put_appearance(BorderColor, v, "BorderColor");
}
HRESULT ProgressPie::get_BorderColor(OLE_COLOR* v) {
    return return_value(BorderColor, v);
}
HRESULT ProgressPie::put_BorderWidth(float v) {
    return put_appearance(BorderWidth, v, "BorderWidth");
}
HRESULT ProgressPie::get_BorderWidth(float* v) {
    return return_value(BorderWidth, v);
}
HRESULT ProgressPie::put_FillType(std::int32_t v) {
    return put_appearance(FillType, v, "FillType");
}
HRESULT ProgressPie::get_FillType(std::int32_t* v) {
    return return_value(FillType, v);
}
HRESULT ProgressPie::put_FillColorStart(OLE_COLOR v) {
    return put_appearance(FillColorStart, v, "FillColorStart");
}
HRESULT ProgressPie::get_FillColorStart(OLE_COLOR* v) {
    return return_value(FillColorStart, v);
}
HRESULT ProgressPie::put_FillColorMid(OLE_COLOR v) {
    return put_appearance(FillColorMid, v, "FillColorMid");
}
HRESULT ProgressPie::get_FillColorMid(OLE_COLOR* v) {
    return return_value(FillColorMid, v);
}
HRESULT ProgressPie::put_FillColorEnd(OLE_COLOR v) {
    return put_appearance(FillColorEnd, v, "FillColorEnd");
}
HRESULT ProgressPie::get_FillColorEnd(OLE_COLOR* v) {
    return return_value(FillColorEnd, v);
}
HRESULT ProgressPie::put_FillStyle(std::int32_t v) {
    return put_appearance(FillStyle, v, "FillStyle");
}
HRESULT ProgressPie::get_FillStyle(std::int32_t* v) {
    return return_value(FillStyle, v);
}

// Aspect alone draws before it notifies; the draw then replaces it by the surface's ratio.
HRESULT ProgressPie::put_Aspect(float v) {
    return guard([&] {
        if (!(v > 0))
            return;
        Aspect = v;
        DrawPie(true);
        notify("Aspect");
    });
}

HRESULT ProgressPie::get_Aspect(float* v) {
    return return_value(Aspect, v);
}

// ---- Label: no redraw ------------------------------------------------------------------------

HRESULT ProgressPie::put_LabelPosition(std::int32_t v) {
    return guard([&] {
        LabelPosition = v;
        notify("LabelPosition");
        PlaceLabel();
    });
}

HRESULT ProgressPie::put_LabelType(std::int32_t v) {
    return guard([&] {
        LabelType = v;
        notify("LabelType");
        SetLabelText();
        PlaceLabel();
    });
}

HRESULT ProgressPie::put_LabelColor(OLE_COLOR v) {
    return guard([&] {
        LabelColor = v;
        notify("LabelColor");
        site().lblText().ForeColor(LabelColor);
    });
}

HRESULT ProgressPie::put_LabelSize(std::int16_t v) {
    return guard([&] {
        if (!(v >= 6))
            return;
        LabelSize = v;
        notify("LabelSize");
        site().lblText().FontSize(static_cast<float>(LabelSize));
    });
}

HRESULT ProgressPie::get_LabelPosition(std::int32_t* v) {
    return return_value(LabelPosition, v);
}
HRESULT ProgressPie::get_LabelType(std::int32_t* v) {
    return return_value(LabelType, v);
}
HRESULT ProgressPie::get_LabelColor(OLE_COLOR* v) {
    return return_value(LabelColor, v);
}
HRESULT ProgressPie::get_LabelSize(std::int16_t* v) {
    return return_value(LabelSize, v);
}

HRESULT ProgressPie::Refresh() {
    return guard([&] { DrawPie(true); });
}

// ---- Container events ------------------------------------------------------------------------

HRESULT ProgressPie::SetSite(IControlSite* site) {
    if (!site)
        return E_POINTER;
    return guard([&] { site_.attach(site); });
}

HRESULT ProgressPie::InitProperties() {
    return guard([&] { set_defaults(); });
}

HRESULT ProgressPie::Resize() {
    return guard([&] { ResizeSteps(); });
}

// Each key is read with its own default (not the new instance's) and stored as it comes,
// without the setters' tests. A failing read or conversion stops here; earlier keys stay read.
HRESULT ProgressPie::ReadProperties(IPropertyStore* store) {
    if (!store)
        return E_POINTER;
    return guard([&] {
        PropertyStoreCalls bag(store);
        Min = bag.Read("Min", Variant(std::int16_t{0})).to_single();
        Max = bag.Read("Max", Variant(std::int16_t{100})).to_single();
        Value = bag.Read("Value", Variant(std::int16_t{0})).to_single();
        BorderShow = bag.Read("BorderShow", Variant::boolean(true)).to_bool();
        BorderColor = bag.Read("BorderColor", Variant(std::int32_t{0xE0E0E0})).to_int32();
        BorderWidth = bag.Read("BorderWidth", Variant(std::int16_t{1})).to_single();
        FillType = bag.Read("FillType").to_int32();
        FillColorStart = bag.Read("FillColorStart", Variant(std::int32_t{0x0000FF})).to_int32();
        FillColorMid = bag.Read("FillColorMid", Variant(std::int32_t{0xFF0000})).to_int32();
        FillColorEnd = bag.Read("FillColorEnd", Variant(std::int32_t{0x00FF00})).to_int32();
        FillStyle = bag.Read("FillStyle", Variant(std::int32_t{0})).to_int32();
        LabelPosition = bag.Read("LabelPosition", Variant(std::int32_t{pLowLeft})).to_int32();
        LabelType = bag.Read("LabelType", Variant(std::int32_t{pFraction})).to_int32();
        LabelColor = bag.Read("LabelColor", Variant(std::int32_t{0})).to_int32();
        LabelSize = bag.Read("LabelSize", Variant(std::int16_t{12})).to_int16();
        Aspect = bag.Read("Aspect", Variant(std::int16_t{12})).to_single();
    });
}

// Every key on every save, no defaults; BorderWidth goes before BorderColor.
HRESULT ProgressPie::WriteProperties(IPropertyStore* store) {
    if (!store)
        return E_POINTER;
    return guard([&] {
        PropertyStoreCalls bag(store);
        bag.Write("Min", Variant(Min));
        bag.Write("Max", Variant(Max));
        bag.Write("Value", Variant(Value));
        bag.Write("BorderShow", Variant::boolean(BorderShow != 0));
        bag.Write("BorderWidth", Variant(BorderWidth));
        bag.Write("BorderColor", Variant(BorderColor));
        bag.Write("FillType", Variant(FillType));
        bag.Write("FillColorStart", Variant(FillColorStart));
        bag.Write("FillColorMid", Variant(FillColorMid));
        bag.Write("FillColorEnd", Variant(FillColorEnd));
        bag.Write("FillStyle", Variant(FillStyle));
        bag.Write("LabelPosition", Variant(LabelPosition));
        bag.Write("LabelType", Variant(LabelType));
        bag.Write("LabelColor", Variant(LabelColor));
        bag.Write("LabelSize", Variant(LabelSize));
        bag.Write("Aspect", Variant(Aspect));
    });
}

}  // namespace qd::progress
