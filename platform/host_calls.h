// Thin wrappers that call the container's interfaces from inside a control: each call checks
// its result and raises a failure as a RuntimeError, so a control's routines read as straight
// steps and a failing host call ends the running member at that step.
#pragma once

#include <string>

#include "platform/host.h"

namespace qd {

class PictureBoxCalls {
  public:
    explicit PictureBoxCalls(IPictureBox* p = nullptr) : p_(p) {}
    void Cls() { check(p_->Cls()); }
    void Circle(float x, float y, float radius, OptionalSingle start, OptionalSingle end,
                OptionalSingle aspect) {
        check(p_->Circle(x, y, radius, OptionalColor::none(), start, end, aspect));
    }
    void Line(float x1, float y1, float x2, float y2) { check(p_->Line(x1, y1, x2, y2)); }
    void ScaleMode(std::int16_t v) { check(p_->put_ScaleMode(v)); }
    float ScaleLeft() { return get(&IPictureBox::get_ScaleLeft); }
    float ScaleTop() { return get(&IPictureBox::get_ScaleTop); }
    float ScaleWidth() { return get(&IPictureBox::get_ScaleWidth); }
    float ScaleHeight() { return get(&IPictureBox::get_ScaleHeight); }
    void FillColor(OLE_COLOR v) { check(p_->put_FillColor(v)); }
    void FillStyle(std::int16_t v) { check(p_->put_FillStyle(v)); }
    void ForeColor(OLE_COLOR v) { check(p_->put_ForeColor(v)); }
    void DrawWidth(std::int16_t v) { check(p_->put_DrawWidth(v)); }
    void DrawStyle(std::int16_t v) { check(p_->put_DrawStyle(v)); }
    void DrawMode(std::int16_t v) { check(p_->put_DrawMode(v)); }
    void BorderStyle(std::int16_t v) { check(p_->put_BorderStyle(v)); }
    float Left() { return get(&IPictureBox::get_Left); }
    float Top() { return get(&IPictureBox::get_Top); }
    float Width() { return get(&IPictureBox::get_Width); }
    float Height() { return get(&IPictureBox::get_Height); }
    void Left(float v) { check(p_->put_Left(v)); }
    void Top(float v) { check(p_->put_Top(v)); }
    void Width(float v) { check(p_->put_Width(v)); }
    void Height(float v) { check(p_->put_Height(v)); }

  private:
    float get(HRESULT (IPictureBox::*fn)(float*)) {
        float v = 0;
        check((p_->*fn)(&v));
        return v;
    }
    IPictureBox* p_;
};

class LabelCalls {
  public:
    explicit LabelCalls(ILabel* l = nullptr) : l_(l) {}
    void Caption(const std::string& text) { check(l_->put_Caption(text.c_str())); }
    void ForeColor(OLE_COLOR v) { check(l_->put_ForeColor(v)); }
    void FontSize(float v) { check(l_->put_FontSize(v)); }
    void Alignment(std::int16_t v) { check(l_->put_Alignment(v)); }
    void BackStyle(std::int16_t v) { check(l_->put_BackStyle(v)); }
    void Visible(bool v) { check(l_->put_Visible(v ? VARIANT_TRUE : VARIANT_FALSE)); }
    void Left(float v) { check(l_->put_Left(v)); }
    void Top(float v) { check(l_->put_Top(v)); }
    float Width() { return get(&ILabel::get_Width); }
    float Height() { return get(&ILabel::get_Height); }

  private:
    float get(HRESULT (ILabel::*fn)(float*)) {
        float v = 0;
        check((l_->*fn)(&v));
        return v;
    }
    ILabel* l_;
};

// The control's site and its two children, held for the control's lifetime.
class ControlSiteCalls {
  public:
    // Takes the site and fetches picBox and lblText from it; raises on failure.
    void attach(IControlSite* site) {
        ComPtr<IControlSite> s(site);
        ComPtr<IPictureBox> pic;
        ComPtr<ILabel> label;
        check(site->get_picBox(pic.put()));
        check(site->get_lblText(label.put()));
        site_ = s;
        pic_ = pic;
        label_ = label;
    }
    bool attached() const { return static_cast<bool>(site_); }

    float Width() { return get(&IControlSite::get_Width); }
    float Height() { return get(&IControlSite::get_Height); }
    void Width(float v) { check(site_->put_Width(v)); }
    void Height(float v) { check(site_->put_Height(v)); }
    void PropertyChanged(const char* name) { check(site_->PropertyChanged(name)); }

    PictureBoxCalls picBox() const { return PictureBoxCalls(pic_.get()); }
    LabelCalls lblText() const { return LabelCalls(label_.get()); }

  private:
    float get(HRESULT (IControlSite::*fn)(float*)) {
        float v = 0;
        check((site_.get()->*fn)(&v));
        return v;
    }
    ComPtr<IControlSite> site_;
    ComPtr<IPictureBox> pic_;
    ComPtr<ILabel> label_;
};

// The property store during ReadProperties / WriteProperties.
class PropertyStoreCalls {
  public:
    explicit PropertyStoreCalls(IPropertyStore* s) : s_(s) {}
    Variant Read(const char* key, const Variant& default_value) {
        Variant out;
        check(s_->ReadProperty(key, &default_value, &out));
        return out;
    }
    // A read without a default: a missing key is Empty.
    Variant Read(const char* key) {
        Variant out;
        check(s_->ReadProperty(key, nullptr, &out));
        return out;
    }
    void Write(const char* key, const Variant& value) { check(s_->WriteProperty(key, value)); }

  private:
    IPropertyStore* s_;
};

}  // namespace qd
