// The container's picture box: a persistent 32-bit picture that the controls draw on.
//
// The picture covers the inner area only (inside the sunken edge of BorderStyle 1); the edge
// itself is part of the control's view and is added when the view is composed. Figures are clipped
// to the picture. Changing Width, Height or BorderStyle reallocates the picture to the new inner
// size: the part of the old picture that still fits stays where it was, and any new area shows
// the background colour.
//
// Figure conventions beyond the obvious ones (see Circle):
//  - an end angle of negative zero marks an empty sector: the sector from the start angle round
//    to 0 is not filled and no arc is drawn, only the radii (if the pen draws). A positive zero
//    or a tiny positive end angle is an ordinary angle.
//  - equal start and end angles give an empty arc: the radii alone.
//  - a negative radius draws nothing; a non-positive or non-finite aspect, and non-finite
//    coordinates, are refused with InvalidProcedureCall.
//  - angles are accepted within -2 pi..2 pi as single-precision numbers, so the single nearest
//    to 2 pi (a hair above it) still passes.
#pragma once

#include <cstdint>

#include "host/raster/ellipse_rows.h"
#include "host/raster/image.h"
#include "host/twips.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

// The largest picture a box allocates, in pixels a side.
inline constexpr int kMaxPictureSide = 16384;

class RasterPictureBox : public ComObject<RasterPictureBox, IPictureBox> {
  public:
    static ComPtr<RasterPictureBox> make();

    // ---- IPictureBox ----
    QD_PICTURE_BOX_OVERRIDES

    // ---- The host's side ----
    const Image& picture() const { return picture_; }
    Image& picture() { return picture_; }
    std::int16_t border_style() const { return border_style_; }
    int border_pixels() const { return border_style_ == 1 ? 2 : 0; }
    int outer_width_px() const { return outer_w_px_; }
    int outer_height_px() const { return outer_h_px_; }
    // Scale units per pixel in the current ScaleMode (15 for twips, 1 for pixels).
    double units_per_pixel() const { return scale_mode_ == 1 ? kTwipsPerPixel : 1.0; }
    std::uint32_t background_pixel() const { return background_; }
    // The colour Cls clears to (default: the button face system colour). False if refused.
    bool set_background(OLE_COLOR c);
    // Sets the outer size in pixels directly (tests, benchmarks); false beyond the size limit.
    bool resize_pixels(int width, int height);

  private:
    RasterPictureBox();

    void reallocate();

    Image picture_;
    EllipseRows ellipse_rows_;  // the last filled ellipse's spans, sized with the picture
    std::uint32_t background_;
    std::int16_t scale_mode_ = 1;
    std::int16_t border_style_ = 0;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // twips
    int outer_w_px_ = 0, outer_h_px_ = 0;
    // Drawing state; colours are kept resolved to pixels.
    std::uint32_t fill_color_ = 0;
    std::uint32_t fore_color_ = 0;
    std::int16_t fill_style_ = 1;
    std::int16_t draw_width_ = 1;
    std::int16_t draw_style_ = 0;
    std::int16_t draw_mode_ = 13;
};

}  // namespace qd::host
