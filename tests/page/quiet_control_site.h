// A container site that accepts every call and draws nothing: enough for a control to run its
// setters while the page tests look only at property values.
#pragma once

#include "foundation/host.h"
#include "platform/object.h"

namespace qd::test {

class QuietPictureBox final : public ComObject<QuietPictureBox, IPictureBox> {
  public:
    HRESULT Cls() override { return S_OK; }
    HRESULT Circle(float, float, float, OptionalColor, OptionalSingle, OptionalSingle,
                   OptionalSingle) override {
        return S_OK;
    }
    HRESULT Line(float, float, float, float) override { return S_OK; }
    HRESULT put_ScaleMode(std::int16_t) override { return S_OK; }
    HRESULT get_ScaleMode(std::int16_t* v) override { return put(v, std::int16_t{3}); }
    HRESULT get_ScaleLeft(float* v) override { return put(v, 0.0f); }
    HRESULT get_ScaleTop(float* v) override { return put(v, 0.0f); }
    HRESULT get_ScaleWidth(float* v) override { return put(v, 200.0f); }
    HRESULT get_ScaleHeight(float* v) override { return put(v, 200.0f); }
    HRESULT put_FillColor(OLE_COLOR) override { return S_OK; }
    HRESULT put_FillStyle(std::int16_t) override { return S_OK; }
    HRESULT put_ForeColor(OLE_COLOR) override { return S_OK; }
    HRESULT put_DrawWidth(std::int16_t) override { return S_OK; }
    HRESULT put_DrawStyle(std::int16_t) override { return S_OK; }
    HRESULT put_DrawMode(std::int16_t) override { return S_OK; }
    HRESULT put_BorderStyle(std::int16_t) override { return S_OK; }
    HRESULT get_Left(float* v) override { return put(v, 0.0f); }
    HRESULT put_Left(float) override { return S_OK; }
    HRESULT get_Top(float* v) override { return put(v, 0.0f); }
    HRESULT put_Top(float) override { return S_OK; }
    HRESULT get_Width(float* v) override { return put(v, 3000.0f); }
    HRESULT put_Width(float) override { return S_OK; }
    HRESULT get_Height(float* v) override { return put(v, 3000.0f); }
    HRESULT put_Height(float) override { return S_OK; }

  private:
    template <typename T>
    static HRESULT put(T* out, T v) {
        *out = v;
        return S_OK;
    }
};

class QuietLabel final : public ComObject<QuietLabel, ILabel> {
  public:
    HRESULT put_Caption(const char*) override { return S_OK; }
    HRESULT put_ForeColor(OLE_COLOR) override { return S_OK; }
    HRESULT put_FontSize(float) override { return S_OK; }
    HRESULT put_Alignment(std::int16_t) override { return S_OK; }
    HRESULT put_BackStyle(std::int16_t) override { return S_OK; }
    HRESULT put_Visible(VARIANT_BOOL) override { return S_OK; }
    HRESULT put_Left(float) override { return S_OK; }
    HRESULT put_Top(float) override { return S_OK; }
    HRESULT get_Width(float* v) override {
        *v = 40;
        return S_OK;
    }
    HRESULT get_Height(float* v) override {
        *v = 15;
        return S_OK;
    }
};

class QuietControlSite final : public ComObject<QuietControlSite, IControlSite> {
  public:
    HRESULT get_Width(float* v) override {
        *v = 3000;
        return S_OK;
    }
    HRESULT put_Width(float) override { return S_OK; }
    HRESULT get_Height(float* v) override {
        *v = 3000;
        return S_OK;
    }
    HRESULT put_Height(float) override { return S_OK; }
    HRESULT PropertyChanged(const char*) override { return S_OK; }
    HRESULT get_picBox(IPictureBox** out) override {
        *out = ComPtr<IPictureBox>(pic_.get()).detach();
        return S_OK;
    }
    HRESULT get_lblText(ILabel** out) override {
        *out = ComPtr<ILabel>(label_.get()).detach();
        return S_OK;
    }

  private:
    ComPtr<QuietPictureBox> pic_{new QuietPictureBox};
    ComPtr<QuietLabel> label_{new QuietLabel};
};

}  // namespace qd::test
