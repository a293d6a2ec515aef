#include "host/container/surfaces.h"

#include "host/model/model_label.h"
#include "host/model/model_picture_box.h"

namespace qd::host {

// The text-only surfaces: the picture box keeps its extent, scale and drawing state, and the
// label estimates its size from its font size and caption.
Surfaces make_surfaces(float width, float height) {
    ComPtr<ModelPictureBox> picture(new ModelPictureBox(width, height));
    ComPtr<ModelLabel> label(new ModelLabel(picture.get()));
    Surfaces s;
    s.picture = ComPtr<IPictureBox>(picture.get());
    s.label = ComPtr<ILabel>(label.get());
    s.label_state = [label] {
        return LabelState{label->caption(), label->visible(),    label->alignment(),
                          label->left(),    label->top(),        label->width(),
                          label->height(),  label->fore_color(), label->font_size()};
    };
    return s;
}

}  // namespace qd::host
