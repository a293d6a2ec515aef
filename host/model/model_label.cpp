#include "host/model/model_label.h"

#include <algorithm>

namespace qd::host {

namespace {

constexpr float kPixelsPerPoint = 96.0f / 72.0f;

std::size_t code_points(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

ModelLabel::ModelLabel(ModelPictureBox* parent) : parent_(parent) {}

ModelLabel::Size ModelLabel::size_pixels() const {
    if (fixed_)
        return *fixed_;
    const float em = font_size_ * kPixelsPerPoint;
    const auto chars = static_cast<float>(std::max<std::size_t>(1, code_points(caption_)));
    return {0.6f * em * chars, 1.2f * em};
}

float ModelLabel::width() const {
    return size_pixels().width * kTwipsPerPixel / parent_->twips_per_unit();
}

float ModelLabel::height() const {
    return size_pixels().height * kTwipsPerPixel / parent_->twips_per_unit();
}

HRESULT ModelLabel::put_Caption(const char* text) {
    if (!text)
        return E_POINTER;
    caption_ = text;
    return S_OK;
}

HRESULT ModelLabel::put_ForeColor(OLE_COLOR c) {
    fore_color_ = c;
    return S_OK;
}

HRESULT ModelLabel::put_FontSize(float points) {
    if (!(points > 0 && points <= 2160))
        return runtime_error_code(ErrorNumber::InvalidPropertyValue);
    font_size_ = points;
    return S_OK;
}

HRESULT ModelLabel::put_Alignment(std::int16_t a) {
    if (a < 0 || a > 2)
        return runtime_error_code(ErrorNumber::InvalidPropertyValue);
    alignment_ = a;
    return S_OK;
}

HRESULT ModelLabel::put_BackStyle(std::int16_t s) {
    if (s < 0 || s > 1)
        return runtime_error_code(ErrorNumber::InvalidPropertyValue);
    back_style_ = s;
    return S_OK;
}

HRESULT ModelLabel::put_Visible(VARIANT_BOOL v) {
    visible_ = v != 0;
    return S_OK;
}

HRESULT ModelLabel::put_Left(float v) {
    left_ = v;
    return S_OK;
}

HRESULT ModelLabel::put_Top(float v) {
    top_ = v;
    return S_OK;
}

HRESULT ModelLabel::get_Width(float* v) {
    return return_value(width(), v);
}

HRESULT ModelLabel::get_Height(float* v) {
    return return_value(height(), v);
}

}  // namespace qd::host
