#include "bar/progress_bar.h"

namespace qd::progress {

ControlSiteCalls& ProgressBar::site() {
    // A control used before its container placed it has no surface to talk to.
    if (!site_.attached())
        raise(E_UNEXPECTED);
    return site_;
}

// ---- Range properties: checked, then an incremental pass ------------------------------------

HRESULT ProgressBar::put_Value(float v) {
    return guard([&] {
        if (!(Min_ <= v && v <= Max_))
            return;
        Value_ = v;
        notify("Value");
        DrawBar(false);
    });
}

HRESULT ProgressBar::put_Min(float v) {
    return guard([&] {
        // Only a value at or above Max is refused, so a not-a-number gets through.
        if (v >= Max_)
            return;
        Min_ = v;
        notify("Min");
        if (Min_ > Value_) {
            Value_ = Min_;
            notify("Value");
        }
        DrawBar(false);
    });
}

HRESULT ProgressBar::put_Max(float v) {
    return guard([&] {
        if (!(v > Min_))
            return;
        Max_ = v;
        notify("Max");
        if (Max_ < Value_) {
            Value_ = Max_;
            notify("Value");
        }
        DrawBar(false);
    });
}

// ---- Appearance properties: any value, then a full pass --------------------------------------

HRESULT ProgressBar::put_BorderStyle(std::int32_t v) {
    return guard([&] {
        BorderStyle_ = v;
        notify("BorderStyle");
        DrawBar(true);
    });
}

HRESULT ProgressBar::put_FillType(std::int32_t v) {
    return guard([&] {
        FillType_ = v;
        notify("FillType");
        DrawBar(true);
    });
}

HRESULT ProgressBar::put_FillColorStart(OLE_COLOR v) {
    return guard([&] {
        FillColorStart_ = v;
        notify("FillColorStart");
        DrawBar(true);
    });
}

HRESULT ProgressBar::put_FillColorMid(OLE_COLOR v) {
    return guard([&] {
        FillColorMid_ = v;
        notify("FillColorMid");
        DrawBar(true);
    });
}

HRESULT ProgressBar::put_FillColorEnd(OLE_COLOR v) {
    return guard([&] {
        FillColorEnd_ = v;
        notify("FillColorEnd");
        DrawBar(true);
    });
}

HRESULT ProgressBar::put_FillStyle(std::int32_t v) {
    return guard([&] {
        FillStyle_ = v;
        notify("FillStyle");
        DrawBar(true);
    });
}

// ---- Label properties: never draw the bar ---------------------------------------------------

HRESULT ProgressBar::put_LabelPosition(std::int32_t v) {
    return guard([&] {
        LabelPosition_ = v;
        notify("LabelPosition");
        PlaceLabel();
    });
}

HRESULT ProgressBar::put_LabelType(std::int32_t v) {
    return guard([&] {
        LabelType_ = v;
        notify("LabelType");
        SetLabelText();
        PlaceLabel();
    });
}

HRESULT ProgressBar::put_LabelColor(OLE_COLOR v) {
    return guard([&] {
        LabelColor_ = v;
        notify("LabelColor");
        lblText().ForeColor(LabelColor_);
    });
}

HRESULT ProgressBar::put_LabelSize(std::int16_t v) {
    return guard([&] {
        if (!(v >= 6))
            return;
        LabelSize_ = v;
        notify("LabelSize");
        lblText().FontSize(static_cast<float>(LabelSize_));
    });
}

HRESULT ProgressBar::Refresh() {
    return guard([&] { DrawBar(true); });
}

// ---- Getters ----------------------------------------------------------------------------------

HRESULT ProgressBar::get_Value(float* v) {
    return return_value(Value_, v);
}
HRESULT ProgressBar::get_Min(float* v) {
    return return_value(Min_, v);
}
HRESULT ProgressBar::get_Max(float* v) {
    return return_value(Max_, v);
}
HRESULT ProgressBar::get_BorderStyle(std::int32_t* v) {
    return return_value(BorderStyle_, v);
}
HRESULT ProgressBar::get_FillType(std::int32_t* v) {
    return return_value(FillType_, v);
}
HRESULT ProgressBar::get_FillColorStart(OLE_COLOR* v) {
    return return_value(FillColorStart_, v);
}
HRESULT ProgressBar::get_FillColorMid(OLE_COLOR* v) {
    return return_value(FillColorMid_, v);
}
HRESULT ProgressBar::get_FillColorEnd(OLE_COLOR* v) {
    return return_value(FillColorEnd_, v);
}
HRESULT ProgressBar::get_FillStyle(std::int32_t* v) {
    return return_value(FillStyle_, v);
}
HRESULT ProgressBar::get_LabelPosition(std::int32_t* v) {
    return return_value(LabelPosition_, v);
}
HRESULT ProgressBar::get_LabelType(std::int32_t* v) {
    return return_value(LabelType_, v);
}
HRESULT ProgressBar::get_LabelColor(OLE_COLOR* v) {
    return return_value(LabelColor_, v);
}
HRESULT ProgressBar::get_LabelSize(std::int16_t* v) {
    return return_value(LabelSize_, v);
}

// ---- Container events -------------------------------------------------------------------------

HRESULT ProgressBar::SetSite(IControlSite* site) {
    if (!site)
        return E_POINTER;
    return guard([&] { site_.attach(site); });
}

HRESULT ProgressBar::InitProperties() {
    return guard([&] {
        Value_ = 75.0f;
        Min_ = 0.0f;
        Max_ = 100.0f;
        BorderStyle_ = p3D;
        FillType_ = p3ColorGradient;
        FillColorStart_ = 0x0000FF;
        FillColorMid_ = 0xFF0000;
        FillColorEnd_ = 0x00FF00;
        FillStyle_ = fill_style::Solid;
        LabelPosition_ = bar_position::pCenter;
        LabelType_ = pPercent;
        LabelColor_ = 0x00FFFF;
        LabelSize_ = 10;
    });
}

// Each key is stored as soon as it is read, so a failing key leaves the earlier ones loaded.
// The read defaults differ from a new instance's on purpose: they are what an old store that
// lacks a key has always meant. BorderStyle and FillType are read with no default at all.
HRESULT ProgressBar::ReadProperties(IPropertyStore* store) {
    if (!store)
        return E_POINTER;
    return guard([&] {
        PropertyStoreCalls s(store);
        Min_ = s.Read("Min", Variant(std::int16_t{0})).to_single();
        Max_ = s.Read("Max", Variant(std::int16_t{100})).to_single();
        Value_ = s.Read("Value", Variant(std::int16_t{0})).to_single();
        BorderStyle_ = s.Read("BorderStyle").to_int32();
        FillType_ = s.Read("FillType").to_int32();
        FillColorStart_ = s.Read("FillColorStart", Variant(std::int32_t{0x0000FF})).to_int32();
        FillColorMid_ = s.Read("FillColorMid", Variant(std::int32_t{0xFF0000})).to_int32();
        FillColorEnd_ = s.Read("FillColorEnd", Variant(std::int32_t{0x00FF00})).to_int32();
        FillStyle_ = s.Read("FillStyle", Variant(std::int32_t{0})).to_int32();
        LabelPosition_ = s.Read("LabelPosition", Variant(std::int32_t{3})).to_int32();
        LabelType_ = s.Read("LabelType", Variant(std::int32_t{1})).to_int32();
        LabelColor_ = s.Read("LabelColor", Variant(std::int32_t{0})).to_int32();
        LabelSize_ = s.Read("LabelSize", Variant(std::int16_t{12})).to_int16();
    });
}

HRESULT ProgressBar::WriteProperties(IPropertyStore* store) {
    if (!store)
        return E_POINTER;
    return guard([&] {
        PropertyStoreCalls s(store);
        s.Write("Min", Variant(Min_));
        s.Write("Max", Variant(Max_));
        s.Write("Value", Variant(Value_));
        s.Write("BorderStyle", Variant(BorderStyle_));
        s.Write("FillType", Variant(FillType_));
        s.Write("FillColorStart", Variant(FillColorStart_));
        s.Write("FillColorMid", Variant(FillColorMid_));
        s.Write("FillColorEnd", Variant(FillColorEnd_));
        s.Write("FillStyle", Variant(FillStyle_));
        s.Write("LabelPosition", Variant(LabelPosition_));
        s.Write("LabelType", Variant(LabelType_));
        s.Write("LabelColor", Variant(LabelColor_));
        s.Write("LabelSize", Variant(LabelSize_));
    });
}

HRESULT ProgressBar::Resize() {
    return guard([&] {
        ControlSiteCalls& control = site();
        // The minimum is 50 but a control below it jumps to 100.
        if (control.Width() < 50.0f)
            control.Width(100.0f);
        if (control.Height() < 50.0f)
            control.Height(100.0f);
        PictureBoxCalls pic = picBox();
        pic.Top(0.0f);
        pic.Left(0.0f);
        pic.Width(control.Width());
        pic.Height(control.Height());
        DrawBar(true);
        PlaceLabel();
    });
}

HRESULT create_progress_bar(const Guid& iid, void** out) {
    return ProgressBar::create_instance(iid, out);
}

}  // namespace qd::progress
