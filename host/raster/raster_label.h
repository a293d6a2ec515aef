// The container's label `lblText`: a child of a picture box, sized to its caption.
//
// The label is not paint on the picture: it is drawn over the picture when the control's view is
// composed. Its Left and Top are given in the parent's scale and kept as a pixel position, so a
// later change of the parent's ScaleMode does not move it; Width and Height are reported in the
// parent's scale of the moment. Its size is the caption's extent (cached glyph advances) plus a
// small padding, recomputed when the caption or the font size changes.
#pragma once

#include <cstdint>
#include <string>

#include "host/raster/raster_picture_box.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class RasterLabel : public ComObject<RasterLabel, ILabel> {
  public:
    // Padding around the caption's text, pixels at scale 1.
    static constexpr int kPadX = 2;
    static constexpr int kPadY = 1;

    static ComPtr<RasterLabel> make(RasterPictureBox* parent);

    // ---- ILabel ----
    HRESULT put_Caption(const char* text) override;
    HRESULT put_ForeColor(OLE_COLOR c) override;
    HRESULT put_FontSize(float points) override;
    HRESULT put_Alignment(std::int16_t a) override;
    HRESULT put_BackStyle(std::int16_t s) override;
    HRESULT put_Visible(VARIANT_BOOL v) override;
    HRESULT put_Left(float v) override;
    HRESULT put_Top(float v) override;
    HRESULT get_Width(float* v) override;
    HRESULT get_Height(float* v) override;

    // ---- The host's side ----
    const std::string& caption() const { return caption_; }
    std::uint32_t fore_pixel() const { return fore_; }
    float font_size() const { return font_size_; }
    std::int16_t alignment() const { return alignment_; }
    std::int16_t back_style() const { return back_style_; }
    bool visible() const { return visible_; }
    // Position and size in pixels of the parent's inner area.
    double left_px() const { return left_px_; }
    double top_px() const { return top_px_; }
    int width_px() const { return width_px_; }
    int height_px() const { return height_px_; }
    double text_width_px() const { return text_width_; }
    int ascent_px() const { return ascent_; }
    RasterPictureBox* parent() const { return parent_.get(); }
    // The font size and padding on the device: FontSize and the padding times its scale.
    float device_points() const;
    int pad_x() const { return pad_x_; }
    int pad_y() const { return pad_y_; }
    // The pixels of the parent's picture the label covers when drawn (empty when hidden).
    PixelRect covered() const;

  private:
    explicit RasterLabel(RasterPictureBox* parent);
    void measure();
    // Tells the parent that the label's rectangle `before` a change and its present one
    // changed.
    void damage_since(const PixelRect& before);

    ComPtr<RasterPictureBox> parent_;
    std::string caption_ = "lblText";
    std::uint32_t fore_ = 0;
    float font_size_ = 8.25f;
    std::int16_t alignment_ = 0;
    std::int16_t back_style_ = 1;
    bool visible_ = true;
    double left_px_ = 0, top_px_ = 0;
    double text_width_ = 0;
    int ascent_ = 0;
    int width_px_ = 0, height_px_ = 0;
    int pad_x_ = kPadX, pad_y_ = kPadY;
};

}  // namespace qd::host
