// The box path of RasterPictureBox::Line for its common case: a copy-pen box in plain colours on
// a picture that holds figures back, the bar's band. Such a box is queued as one or two rects
// straight from the drawing state, without building the pen and brush of the general path;
// every other box takes that path (defer_box, draw_box), which gives the same pixels.
#include <algorithm>

#include "host/raster/box_edges.h"
#include "host/raster/figures.h"
#include "host/raster/raster_picture_box.h"

namespace qd::host {

namespace {

constexpr std::int16_t kCopyPen = 13;

}  // namespace

bool RasterPictureBox::queue_box(double x1, double y1, double x2, double y2) {
    if (smooth_ || draw_mode_ != kCopyPen || fill_style_ > kFillTransparent)
        return false;
    const bool fills = fill_style_ == kFillSolid;
    const bool outlines = draw_style_ != kDrawTransparent;
    const bool patterned =
        draw_width_ == 1 && draw_style_ >= kDrawDash && draw_style_ <= kDrawDashDotDot;
    if (outlines && (!fills || patterned))
        return false;  // drawn at once
    DeferredRun& shared = DeferredRun::shared();
    const bool owned = shared.owner() == this;
    if (!holds_back() && !(owned && shared.clears()))
        return false;
    DeferredRun& queue = owned ? shared : run();
    const int w = picture_.width, h = picture_.height;
    if (picture_.empty())
        return true;
    const BoxEdges e(x1, y1, x2, y2, draw_width_, draw_style_ == kDrawInsideSolid);
    if (!outlines)
        return !fills || queue.add_clipped_rect(e.left, e.top, e.right, e.bottom, w, h,
                                                fill_color_ & kRgbMask);
    // The outline's colour over the whole box, the fill's in the hole.
    if (!queue.has_room(2))
        return false;
    const std::uint32_t edge = fore_color_ & kRgbMask, inner = fill_color_ & kRgbMask;
    queue.add_clipped_rect(e.ol, e.ot, e.orr, e.ob, w, h, edge);
    if (e.has_hole() && edge != inner)
        queue.add_clipped_rect(e.il, e.it, e.ir, e.ib, w, h, inner);
    return true;
}

void RasterPictureBox::add_box_damage(double x1, double y1, double x2, double y2) {
    // box_bounds' pad: the pen's width when it draws and a pixel and a half to spare.
    const double pad = (draw_style_ != kDrawTransparent ? draw_width_ : 0) + 1.0 + 0.5;
    PixelRect b;
    if (!box_bounds_near(x1, y1, x2, y2, pad, &b)) {
        Pen pen;
        pen.width = draw_width_;
        pen.style = draw_style_;
        b = box_bounds(x1, y1, x2, y2, pen);
    }
    // add_damage without its general rect steps: clipped to the picture, moved by the edge.
    const int left = std::max(b.x, 0), top = std::max(b.y, 0);
    const int right = std::min(b.right(), picture_.width);
    const int bottom = std::min(b.bottom(), picture_.height);
    if (left >= right || top >= bottom)
        return;
    const int edge = border_pixels();
    if (damage_.empty()) {
        damage_ = PixelRect{left + edge, top + edge, right - left, bottom - top};
        return;
    }
    const int union_right = std::max(damage_.right(), right + edge);
    const int union_bottom = std::max(damage_.bottom(), bottom + edge);
    damage_.x = std::min(damage_.x, left + edge);
    damage_.y = std::min(damage_.y, top + edge);
    damage_.width = union_right - damage_.x;
    damage_.height = union_bottom - damage_.y;
}

}  // namespace qd::host
