// The box path of RasterPictureBox::Line for its common case: a copy-pen box in plain colours on
// a picture that holds figures back, the bar's band. Such a box is queued as one or two rects
// straight from the drawing state, without building the pen and brush of the general path;
// every other box takes that path (defer_box, draw_box), which gives the same pixels. The row
// axis of the last such box is kept: a pass of bands repeats it a hundred times.
#include <algorithm>

#include "host/raster/box_edges.h"
#include "host/raster/figures.h"
#include "host/raster/raster_picture_box.h"

namespace qd::host {

namespace {

// box_bounds' pad: the pen's width when it draws and a pixel and a half to spare.
double box_pad(std::int16_t width, std::int16_t style) {
    return (style != kDrawTransparent ? width : 0) + 1.0 + 0.5;
}

}  // namespace

const RasterPictureBox::RowAxis& RasterPictureBox::row_axis(double y1, double y2) {
    RowAxis& r = row_axis_;
    const int h = picture_.height;
    r.y1 = y1, r.y2 = y2, r.pen_width = draw_width_, r.pen_style = draw_style_, r.height = h;
    const BoxAxis y(y1, y2, draw_width_, draw_style_ == kDrawInsideSolid);
    const auto clip = [h](long long lo, long long hi, int* from, int* to) {
        lo = std::max(lo, 0LL), hi = std::min<long long>(hi, h - 1);
        *from = static_cast<int>(lo), *to = lo <= hi ? static_cast<int>(hi) : *from - 1;
    };
    clip(y.lo, y.hi, &r.fill0, &r.fill1);
    clip(y.out_lo, y.out_hi, &r.out0, &r.out1);
    clip(y.in_lo, y.in_hi, &r.in0, &r.in1);
    r.has_hole = y.has_hole();
    long long lo = 0, hi = -1;
    r.near = bound_span(y1, y2, box_pad(draw_width_, draw_style_), &lo, &hi);
    // The damage rows clipped to the picture, as unite_damage clips them; none when empty.
    r.damage0 = static_cast<int>(std::max(lo, 0LL));
    r.damage1 = static_cast<int>(std::min<long long>(hi + 1, h));
    return r;
}

bool RasterPictureBox::queue_box(double x1, double y1, double x2, double y2) {
    if (!plain_boxes_)
        return false;  // drawn at once
    const bool fills = fill_style_ == kFillSolid;
    const bool outlines = draw_style_ != kDrawTransparent;
    DeferredRun& shared = DeferredRun::shared();
    const bool owned = shared.owner() == this;
    if (!holds_back() && !(owned && shared.clears()))
        return false;
    DeferredRun& queue = owned ? shared : run();
    if (picture_.empty())
        return true;  // nothing drawn, nothing damaged
    const RowAxis& kept = row_axis_;
    const RowAxis& rows = y1 == kept.y1 && y2 == kept.y2 && draw_width_ == kept.pen_width &&
                                  draw_style_ == kept.pen_style && picture_.height == kept.height
                              ? kept
                              : row_axis(y1, y2);
    const BoxAxis x(x1, x2, draw_width_, draw_style_ == kDrawInsideSolid);
    const int w = picture_.width;
    // Columns clipped to the picture; the rect is queued unless it or its rows are empty.
    const auto add = [&](long long lo, long long hi, int from, int to, std::uint32_t pixel) {
        lo = std::max(lo, 0LL), hi = std::min<long long>(hi, w - 1);
        return lo > hi || from > to ||
               queue.add_rect(static_cast<int>(lo), from, static_cast<int>(hi), to, pixel);
    };
    if (!outlines) {
        if (fills && !add(x.lo, x.hi, rows.fill0, rows.fill1, fill_color_ & kRgbMask))
            return false;
    } else {
        // The outline's colour over the whole box, the fill's in the hole.
        if (!queue.has_room(2))
            return false;
        const std::uint32_t edge = fore_color_ & kRgbMask, inner = fill_color_ & kRgbMask;
        add(x.out_lo, x.out_hi, rows.out0, rows.out1, edge);
        if (x.has_hole() && rows.has_hole && edge != inner)
            add(x.in_lo, x.in_hi, rows.in0, rows.in1, inner);
    }
    if (damage_covers_picture())
        return true;
    long long left, right;
    if (!rows.near || !bound_span(x1, x2, box_pad(draw_width_, draw_style_), &left, &right)) {
        add_box_damage(x1, y1, x2, y2);
        return true;
    }
    const int from = static_cast<int>(std::max(left, 0LL));
    const int to = static_cast<int>(std::min<long long>(right + 1, w));
    if (from < to && rows.damage0 < rows.damage1) {
        const int edge = border_pixels();
        BoxDamage& d = box_damage_;
        d.left = std::min(d.left, from + edge), d.right = std::max(d.right, to + edge);
        d.top = std::min(d.top, rows.damage0 + edge);
        d.bottom = std::max(d.bottom, rows.damage1 + edge);
    }
    return true;
}

void RasterPictureBox::add_box_damage(double x1, double y1, double x2, double y2) {
    Pen pen;
    pen.width = draw_width_;
    pen.style = draw_style_;
    add_damage(box_bounds(x1, y1, x2, y2, pen));
}

PixelRect RasterPictureBox::BoxDamage::take() {
    const PixelRect r = left < right && top < bottom
                            ? PixelRect{left, top, right - left, bottom - top}
                            : PixelRect{};
    *this = BoxDamage{};
    return r;
}

}  // namespace qd::host
