#include "host/raster/raster_label.h"

#include <cmath>

#include "host/raster/font_face.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

constexpr HRESULT kInvalidPropertyValue = runtime_error_code(ErrorNumber::InvalidPropertyValue);
constexpr float kMaxFontSize = 2160.0f;

}  // namespace

ComPtr<RasterLabel> RasterLabel::make(RasterPictureBox* parent) {
    return ComPtr<RasterLabel>(new RasterLabel(parent));
}

RasterLabel::RasterLabel(RasterPictureBox* parent) : parent_(parent) {
    resolve_colour(kSysButtonText, &fore_);
    measure();
}

void RasterLabel::measure() {
    const TextMetrics m = FontFace::shared().measure(caption_, font_size_);
    text_width_ = m.width;
    ascent_ = m.ascent;
    width_px_ = static_cast<int>(std::ceil(m.width)) + 2 * kPadX;
    height_px_ = m.height + 2 * kPadY;
}

HRESULT RasterLabel::put_Caption(const char* text) {
    if (!text)
        return E_POINTER;
    return guard([&] {
        if (caption_ == text)
            return;
        caption_.assign(text);  // reuses the capacity: no allocation for short captions
        measure();
    });
}

HRESULT RasterLabel::put_ForeColor(OLE_COLOR c) {
    std::uint32_t pixel;
    if (!resolve_colour(c, &pixel))
        return kInvalidPropertyValue;
    fore_ = pixel;
    return S_OK;
}

HRESULT RasterLabel::put_FontSize(float points) {
    if (!(points > 0 && points <= kMaxFontSize))
        return kInvalidPropertyValue;
    if (points == font_size_)
        return S_OK;
    return guard([&] {
        font_size_ = points;
        measure();
    });
}

HRESULT RasterLabel::put_Alignment(std::int16_t a) {
    if (a < 0 || a > 2)
        return kInvalidPropertyValue;
    alignment_ = a;
    return S_OK;
}

HRESULT RasterLabel::put_BackStyle(std::int16_t s) {
    if (s != 0 && s != 1)
        return kInvalidPropertyValue;
    back_style_ = s;
    return S_OK;
}

HRESULT RasterLabel::put_Visible(VARIANT_BOOL v) {
    visible_ = v != 0;
    return S_OK;
}

HRESULT RasterLabel::put_Left(float v) {
    if (!std::isfinite(v))
        return kInvalidPropertyValue;
    left_px_ = v / parent_->units_per_pixel();
    return S_OK;
}

HRESULT RasterLabel::put_Top(float v) {
    if (!std::isfinite(v))
        return kInvalidPropertyValue;
    top_px_ = v / parent_->units_per_pixel();
    return S_OK;
}

HRESULT RasterLabel::get_Width(float* v) {
    if (!v)
        return E_POINTER;
    *v = static_cast<float>(width_px_ * parent_->units_per_pixel());
    return S_OK;
}

HRESULT RasterLabel::get_Height(float* v) {
    if (!v)
        return E_POINTER;
    *v = static_cast<float>(height_px_ * parent_->units_per_pixel());
    return S_OK;
}

}  // namespace qd::host
