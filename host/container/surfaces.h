// The picture box and label a container gives each control, and what the host can read back
// from the label. Which kind of surface the container uses is decided in surfaces.cpp alone.
#pragma once

#include <functional>
#include <string>

#include <qdprogress/control_types.h>

#include "host/raster/image.h"
#include "host/raster/pixel_rect.h"
#include "platform/host.h"

namespace qd::host {

// label_state gives the label as the control left it, position and size in the picture box's
// current scale.
struct Surfaces {
    ComPtr<IPictureBox> picture;
    ComPtr<ILabel> label;
    std::function<LabelState()> label_state;
    // The control as a person sees it: the picture inside its edge, with the label on top.
    std::function<Image()> view;
    // Composes the given rectangle of a view composed earlier again (all of it when the size
    // changed): after a damage, the rest of the view is as it was.
    std::function<void(Image&, const PixelRect&)> update_view;
    // What changed in the view since the last take, in its pixels; empty when nothing did.
    std::function<PixelRect()> take_damage;
    // Writes what the picture box holds back; called when each of the control's calls ends.
    std::function<void()> flush;
};

// A picture box of the given extent (twips) with its label, drawn for `device`; the picture
// box's failure code when it refuses the extent.
HRESULT make_surfaces(float width, float height, const DeviceOptions& device, Surfaces* out);

}  // namespace qd::host
