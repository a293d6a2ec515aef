#include "host/model/model_picture_box.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qd::host {

namespace {

const HRESULT kInvalidValue = runtime_error_code(ErrorNumber::InvalidPropertyValue);
const HRESULT kInvalidCall = runtime_error_code(ErrorNumber::InvalidProcedureCall);

// Angles arrive as singles, so the limit is 2 pi as a single (a hair above the double 2 pi).
constexpr float kTwoPiSingle = static_cast<float>(2.0 * std::numbers::pi);

bool angle_ok(const OptionalSingle& a) {
    return !a.present || std::fabs(a.value) <= kTwoPiSingle;
}

bool in_range(std::int16_t v, int lo, int hi) {
    return v >= lo && v <= hi;
}

}  // namespace

ModelPictureBox::ModelPictureBox(float width_twips, float height_twips, std::int16_t border_style)
    : width_(width_twips), height_(height_twips), border_style_(border_style) {}

float ModelPictureBox::twips_per_unit() const {
    return scale_mode_ == 3 ? kTwipsPerPixel : 1.0f;
}

float ModelPictureBox::inner_twips(float outer) const {
    const float edge = border_style_ == 1 ? 4 * kTwipsPerPixel : 0.0f;
    return std::max(0.0f, outer - edge);
}

float ModelPictureBox::scale_width() const {
    return inner_twips(width_) / twips_per_unit();
}

float ModelPictureBox::scale_height() const {
    return inner_twips(height_) / twips_per_unit();
}

HRESULT ModelPictureBox::Cls() {
    ++cls_count_;
    return S_OK;
}

HRESULT ModelPictureBox::Circle(float, float, float, OptionalColor, OptionalSingle start,
                                OptionalSingle end, OptionalSingle) {
    if (!angle_ok(start) || !angle_ok(end))
        return kInvalidCall;
    ++figure_count_;
    return S_OK;
}

HRESULT ModelPictureBox::Line(float, float, float, float) {
    ++figure_count_;
    return S_OK;
}

HRESULT ModelPictureBox::put_ScaleMode(std::int16_t mode) {
    if (mode != 1 && mode != 3)
        return kInvalidValue;
    scale_mode_ = mode;
    return S_OK;
}

HRESULT ModelPictureBox::get_ScaleMode(std::int16_t* mode) {
    return return_value(scale_mode_, mode);
}

HRESULT ModelPictureBox::get_ScaleLeft(float* v) {
    return return_value(0.0f, v);
}

HRESULT ModelPictureBox::get_ScaleTop(float* v) {
    return return_value(0.0f, v);
}

HRESULT ModelPictureBox::get_ScaleWidth(float* v) {
    return return_value(scale_width(), v);
}

HRESULT ModelPictureBox::get_ScaleHeight(float* v) {
    return return_value(scale_height(), v);
}

HRESULT ModelPictureBox::put_FillColor(OLE_COLOR c) {
    fill_color_ = c;
    return S_OK;
}

HRESULT ModelPictureBox::put_FillStyle(std::int16_t style) {
    if (!in_range(style, 0, 7))
        return kInvalidValue;
    fill_style_ = style;
    return S_OK;
}

HRESULT ModelPictureBox::put_ForeColor(OLE_COLOR c) {
    fore_color_ = c;
    return S_OK;
}

HRESULT ModelPictureBox::put_DrawWidth(std::int16_t width) {
    if (width < 1)
        return kInvalidValue;
    draw_width_ = width;
    return S_OK;
}

HRESULT ModelPictureBox::put_DrawStyle(std::int16_t style) {
    if (!in_range(style, 0, 6))
        return kInvalidValue;
    draw_style_ = style;
    return S_OK;
}

HRESULT ModelPictureBox::put_DrawMode(std::int16_t mode) {
    if (!in_range(mode, 1, 16))
        return kInvalidValue;
    draw_mode_ = mode;
    return S_OK;
}

HRESULT ModelPictureBox::put_BorderStyle(std::int16_t style) {
    if (!in_range(style, 0, 1))
        return kInvalidValue;
    border_style_ = style;
    return S_OK;
}

HRESULT ModelPictureBox::get_Left(float* v) {
    return return_value(left_, v);
}

HRESULT ModelPictureBox::put_Left(float v) {
    left_ = v;
    return S_OK;
}

HRESULT ModelPictureBox::get_Top(float* v) {
    return return_value(top_, v);
}

HRESULT ModelPictureBox::put_Top(float v) {
    top_ = v;
    return S_OK;
}

HRESULT ModelPictureBox::get_Width(float* v) {
    return return_value(width_, v);
}

HRESULT ModelPictureBox::put_Width(float v) {
    if (!(v >= 0))
        return kInvalidValue;
    width_ = v;
    return S_OK;
}

HRESULT ModelPictureBox::get_Height(float* v) {
    return return_value(height_, v);
}

HRESULT ModelPictureBox::put_Height(float v) {
    if (!(v >= 0))
        return kInvalidValue;
    height_ = v;
    return S_OK;
}

}  // namespace qd::host
