// The picture box and label a container gives each control, and what the host can read back
// from the label. Which kind of surface the container uses is decided in surfaces.cpp alone.
#pragma once

#include <functional>
#include <string>

#include <qdprogress/control_types.h>

#include "foundation/host.h"
#include "host/raster/image.h"

namespace qd::host {

// label_state gives the label as the control left it, position and size in the picture box's
// current scale.
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
