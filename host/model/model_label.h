// A label that keeps its members and measures nothing: its Width and Height are estimated from
// the font size and the caption's length (0.6 em per character, at least one; 1.2 em high; 96
// pixels to the inch) and reported in its picture box's current scale, as a label that sizes
// itself to its caption would. A test can fix the reported size instead.
// FontSize refuses values at or below 0 and above 2160 points with InvalidPropertyValue (380).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/model/model_picture_box.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class ModelLabel final : public ComObject<ModelLabel, ILabel> {
  public:
    // The label lies inside `parent` and measures in its scale; keeps a reference to it.
    explicit ModelLabel(ModelPictureBox* parent);

    QD_LABEL_OVERRIDES

    const std::string& caption() const { return caption_; }
    OLE_COLOR fore_color() const { return fore_color_; }
    float font_size() const { return font_size_; }
    std::int16_t alignment() const { return alignment_; }
    std::int16_t back_style() const { return back_style_; }
    bool visible() const { return visible_; }
    float left() const { return left_; }
    float top() const { return top_; }
    // Size in the picture box's current scale, as get_Width / get_Height report it.
    float width() const;
    float height() const;

    // Reports this size (in pixels) from now on, whatever the caption and font.
    void fix_size_pixels(float width, float height) { fixed_ = {width, height}; }

  private:
    struct Size {
        float width, height;
    };
    Size size_pixels() const;

    ComPtr<ModelPictureBox> parent_;
    std::string caption_ = "lblText";
    OLE_COLOR fore_color_ = 0;
    float font_size_ = 8.25f;
    std::int16_t alignment_ = 0;
    std::int16_t back_style_ = 1;
    bool visible_ = true;
    float left_ = 0, top_ = 0;
    std::optional<Size> fixed_;
};

}  // namespace qd::host
