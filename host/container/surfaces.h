// The picture box and label a container gives each control, and what the host can read back
// from the label. Which kind of surface the container uses is decided in surfaces.cpp alone.
#pragma once

#include <functional>
#include <string>

#include "host/raster/image.h"
#include "platform/host.h"

namespace qd::host {

// The label as the control left it; position and size in the picture box's current scale.
struct LabelState {
    std::string caption;
    bool visible = true;
    std::int16_t alignment = 0;
    float left = 0, top = 0, width = 0, height = 0;
    OLE_COLOR fore_color = 0;
    float font_size = 0;
};

struct Surfaces {
    ComPtr<IPictureBox> picture;
    ComPtr<ILabel> label;
    std::function<LabelState()> label_state;
    // The control as a person sees it: the picture inside its edge, with the label on top.
    std::function<Image()> view;
};

// A picture box of the given extent (twips) with its label; the picture box's failure code when
// it refuses the extent.
HRESULT make_surfaces(float width, float height, Surfaces* out);

}  // namespace qd::host
