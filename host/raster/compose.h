// A control's view as a person sees it: the picture inside its edge, with the label on top.
#pragma once

#include "host/raster/image.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"

namespace qd::host {

// The picture box's outer extent: the sunken edge (BorderStyle 1), the picture inside it, and
// the label (if any, and visible) drawn over the picture, clipped to the inner area.
Image compose_view(const RasterPictureBox& box, const RasterLabel* label);

// Composes `rect` of `view` (a view composed earlier) again, leaving the rest as it is: the
// same pixels compose_view gives there. A view of another size is composed in full.
void update_view(Image& view, const RasterPictureBox& box, const RasterLabel* label,
                 const PixelRect& rect);

// Draws the label over `image`, whose inner area starts at (origin_x, origin_y) and spans
// inner_w x inner_h pixels.
void draw_label(Image& image, const RasterLabel& label, const RasterPictureBox& box, int origin_x,
                int origin_y, int inner_w, int inner_h);

// Copies `src` into `dst` with its top-left corner at (x, y), clipped.
void blit(Image& dst, const Image& src, int x, int y);

}  // namespace qd::host
