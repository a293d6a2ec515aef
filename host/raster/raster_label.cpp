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
    const double scale = parent->device().scale;
    pad_x_ = static_cast<int>(std::lround(kPadX * scale));
    pad_y_ = static_cast<int>(std::lround(kPadY * scale));
    measure();
}

float RasterLabel::device_points() const {
    return static_cast<float>(font_size_ * parent_->device().scale);
}

PixelRect RasterLabel::covered() const {
    if (!visible_)
        return {};
    const auto at = [](double px) { return static_cast<int>(std::floor(px + 0.5)); };
    return PixelRect{at(left_px_), at(top_px_), width_px_, height_px_};
}

void RasterLabel::damage_since(const PixelRect& before) {
    parent_->add_damage(before);
    parent_->add_damage(covered());
}

void RasterLabel::measure() {
    const TextMetrics m = FontFace::shared().measure(caption_, device_points());
    text_width_ = m.width;
    ascent_ = m.ascent;
    width_px_ = static_cast<int>(std::ceil(m.width)) + 2 * pad_x_;
    height_px_ = m.height + 2 * pad_y_;
}

HRESULT RasterLabel::put_Caption(const char* text) {
    if (!text)
        return E_POINTER;
    if (caption_ == text)
        return S_OK;
    const PixelRect before = covered();
    return guard([&] {
        caption_.assign(text);  // reuses the capacity: no allocation for short captions
        measure();
        damage_since(before);
    });
}

HRESULT RasterLabel::put_ForeColor(OLE_COLOR c) {
    std::uint32_t pixel;
    if (!resolve_colour(c, &pixel))
        return kInvalidPropertyValue;
    if (pixel != fore_) {
        fore_ = pixel;
        damage_since(covered());
    }
    return S_OK;
}

HRESULT RasterLabel::put_FontSize(float points) {
    if (!(points > 0 && points <= kMaxFontSize))
        return kInvalidPropertyValue;
    if (points == font_size_)
        return S_OK;
    const PixelRect before = covered();
    return guard([&] {
        font_size_ = points;
        measure();
        damage_since(before);
    });
}

HRESULT RasterLabel::put_Alignment(std::int16_t a) {
    if (a < 0 || a > 2)
        return kInvalidPropertyValue;
    if (a != alignment_) {
        alignment_ = a;
        damage_since(covered());
    }
    return S_OK;
}

HRESULT RasterLabel::put_BackStyle(std::int16_t s) {
    if (s != 0 && s != 1)
        return kInvalidPropertyValue;
    if (s != back_style_) {
        back_style_ = s;
        damage_since(covered());
    }
    return S_OK;
}

HRESULT RasterLabel::put_Visible(VARIANT_BOOL v) {
    const PixelRect before = covered();
    if ((v != 0) != visible_) {
        visible_ = v != 0;
        damage_since(before);
    }
    return S_OK;
}

HRESULT RasterLabel::put_Left(float v) {
    if (!std::isfinite(v))
        return kInvalidPropertyValue;
    const double px = v / parent_->units_per_pixel();
    if (px != left_px_) {
        const PixelRect before = covered();
        left_px_ = px;
        damage_since(before);
    }
    return S_OK;
}

HRESULT RasterLabel::put_Top(float v) {
    if (!std::isfinite(v))
        return kInvalidPropertyValue;
    const double px = v / parent_->units_per_pixel();
    if (px != top_px_) {
        const PixelRect before = covered();
        top_px_ = px;
        damage_since(before);
    }
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
