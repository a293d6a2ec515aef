// A picture box that keeps its extent, scale and drawing state and draws nothing: what a test
// or a text-only host needs to run a control without pixels.
//
// Extent in twips; ScaleMode 1 (twips) or 3 (pixels, 15 twips each), scale origin 0, 0; the
// inner extent is the outer one less the border (BorderStyle 1 takes 2 pixels on each side).
// Refuses, with InvalidPropertyValue (380), what a real surface refuses: another ScaleMode, a
// BorderStyle other than 0 and 1, FillStyle outside 0-7, DrawStyle outside 0-6, DrawMode
// outside 1-16, DrawWidth below 1 and a negative size; Circle refuses an angle outside
// -2 pi..2 pi with InvalidProcedureCall (5).
#pragma once

#include <cstdint>

#include "host/twips.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class ModelPictureBox final : public ComObject<ModelPictureBox, IPictureBox> {
  public:
    explicit ModelPictureBox(float width_twips = 0.0f, float height_twips = 0.0f,
                             std::int16_t border_style = 0);

    QD_PICTURE_BOX_OVERRIDES

    // Current state, for tests and for a host that prints it.
    std::int16_t scale_mode() const { return scale_mode_; }
    std::int16_t border_style() const { return border_style_; }
    OLE_COLOR fill_color() const { return fill_color_; }
    std::int16_t fill_style() const { return fill_style_; }
    OLE_COLOR fore_color() const { return fore_color_; }
    std::int16_t draw_width() const { return draw_width_; }
    std::int16_t draw_style() const { return draw_style_; }
    std::int16_t draw_mode() const { return draw_mode_; }
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    // Twips in one unit of the current scale (1 for twips, 15 for pixels).
    float twips_per_unit() const;
    // The inner extent in the current scale.
    float scale_width() const;
    float scale_height() const;
    int cls_count() const { return cls_count_; }
    int figure_count() const { return figure_count_; }

  private:
    float inner_twips(float outer) const;

    float left_ = 0, top_ = 0, width_, height_;
    std::int16_t scale_mode_ = 1;
    std::int16_t border_style_;
    OLE_COLOR fill_color_ = 0;
    std::int16_t fill_style_ = 1;
    OLE_COLOR fore_color_ = 0;
    std::int16_t draw_width_ = 1;
    std::int16_t draw_style_ = 0;
    std::int16_t draw_mode_ = 13;
    int cls_count_ = 0;
    int figure_count_ = 0;
};

}  // namespace qd::host
