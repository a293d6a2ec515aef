#include "host/raster/compose.h"

#include <algorithm>
#include <cmath>

#include "host/raster/font_face.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

std::uint32_t system_pixel(OLE_COLOR c) {
    std::uint32_t p = 0;
    resolve_colour(c, &p);
    return p;
}

// Columns x0..x1 and rows y0..y1 (inclusive), within `clip`.
void fill_rect(Image& image, int x0, int y0, int x1, int y1, std::uint32_t pixel,
               const PixelRect& clip) {
    x0 = std::max(x0, clip.x);
    y0 = std::max(y0, clip.y);
    x1 = std::min(x1, clip.right() - 1);
    y1 = std::min(y1, clip.bottom() - 1);
    if (x0 > x1)
        return;
    for (int y = y0; y <= y1; ++y)
        std::fill(image.row(y) + x0, image.row(y) + x1 + 1, pixel);
}

// Two frames, each half the edge's width: shadow above and left, light below and right, as a
// sunken well. Only the pixels inside `clip` are written.
void draw_sunken_edge(Image& image, int edge, const PixelRect& clip) {
    const int r = image.width - 1, b = image.height - 1;
    const auto frame = [&](int inset, std::uint32_t top_left, std::uint32_t bottom_right) {
        const int x0 = inset, y0 = inset, x1 = r - inset, y1 = b - inset;
        if (x0 > x1 || y0 > y1)
            return;
        fill_rect(image, x0, y1, x1, y1, bottom_right, clip);
        fill_rect(image, x1, y0, x1, y1, bottom_right, clip);
        fill_rect(image, x0, y0, x1 - 1, y0, top_left, clip);
        fill_rect(image, x0, y0, x0, y1 - 1, top_left, clip);
    };
    const int outer = (edge + 1) / 2;
    for (int inset = 0; inset < edge; ++inset) {
        if (inset < outer)
            frame(inset, system_pixel(kSysButtonShadow), system_pixel(kSysButtonHighlight));
        else
            frame(inset, system_pixel(kSys3DDarkShadow), system_pixel(kSys3DLight));
    }
}

// Draws the label within `clip` (a part of the inner area at origin_x, origin_y).
void draw_label_within(Image& image, const RasterLabel& label, const RasterPictureBox& box,
                       int origin_x, int origin_y, const PixelRect& clip) {
    if (!label.visible())
        return;
    const int left = origin_x + static_cast<int>(std::floor(label.left_px() + 0.5));
    const int top = origin_y + static_cast<int>(std::floor(label.top_px() + 0.5));
    const int cx0 = std::max(left, clip.x), cy0 = std::max(top, clip.y);
    const int cx1 = std::min(left + label.width_px() - 1, clip.right() - 1);
    const int cy1 = std::min(top + label.height_px() - 1, clip.bottom() - 1);
    if (cx0 > cx1 || cy0 > cy1)
        return;
    if (label.back_style() == 1)
        fill_rect(image, cx0, cy0, cx1, cy1, box.background_pixel(), clip);
    const double room = label.width_px() - 2 * label.pad_x() - label.text_width_px();
    double x = left + label.pad_x();
    if (label.alignment() == 1)
        x += room;
    else if (label.alignment() == 2)
        x += room / 2;
    FontFace::shared().draw(image, x, top + label.pad_y() + label.ascent_px(), label.caption(),
                            label.device_points(), label.fore_pixel(), cx0, cy0, cx1, cy1);
}

// The edge, the picture and the label over `view`, which already shows the background, within
// `clip` (inside the view).
void draw_layers(Image& view, const RasterPictureBox& box, const RasterLabel* label,
                 const PixelRect& clip) {
    const int edge = box.border_pixels();
    if (edge > 0)
        draw_sunken_edge(view, edge, clip);
    const Image& picture = box.picture();
    const PixelRect inner =
        PixelRect{edge, edge, picture.width, picture.height}.clipped(clip.right(), clip.bottom());
    const PixelRect part = PixelRect{std::max(inner.x, clip.x), std::max(inner.y, clip.y),
                                     inner.right() - std::max(inner.x, clip.x),
                                     inner.bottom() - std::max(inner.y, clip.y)};
    if (!inner.empty() && !part.empty())
        for (int y = part.y; y < part.bottom(); ++y)
            std::copy_n(picture.row(y - edge) + (part.x - edge), part.width, view.row(y) + part.x);
    if (label && !part.empty())
        draw_label_within(view, *label, box, edge, edge, part);
}

}  // namespace

void blit(Image& dst, const Image& src, int x, int y) {
    // In 64 bits: a place far outside the picture must not overflow on the way to the clip.
    const std::int64_t sx0 = std::max<std::int64_t>(0, -std::int64_t{x});
    const std::int64_t sx1 = std::min<std::int64_t>(src.width, std::int64_t{dst.width} - x);
    const std::int64_t sy0 = std::max<std::int64_t>(0, -std::int64_t{y});
    const std::int64_t sy1 = std::min<std::int64_t>(src.height, std::int64_t{dst.height} - y);
    if (sx0 >= sx1)
        return;
    for (std::int64_t sy = sy0; sy < sy1; ++sy)
        std::copy(src.row(static_cast<int>(sy)) + sx0, src.row(static_cast<int>(sy)) + sx1,
                  dst.row(static_cast<int>(y + sy)) + (x + sx0));
}

void draw_label(Image& image, const RasterLabel& label, const RasterPictureBox& box, int origin_x,
                int origin_y, int inner_w, int inner_h) {
    const PixelRect inner =
        PixelRect{origin_x, origin_y, inner_w, inner_h}.clipped(image.width, image.height);
    if (!inner.empty())
        draw_label_within(image, label, box, origin_x, origin_y, inner);
}

Image compose_view(const RasterPictureBox& box, const RasterLabel* label) {
    Image view(box.outer_width_px(), box.outer_height_px(), box.background_pixel());
    if (!view.empty())
        draw_layers(view, box, label, PixelRect{0, 0, view.width, view.height});
    return view;
}

void update_view(Image& view, const RasterPictureBox& box, const RasterLabel* label,
                 const PixelRect& rect) {
    if (view.width != box.outer_width_px() || view.height != box.outer_height_px()) {
        view = compose_view(box, label);
        return;
    }
    const PixelRect clip = rect.clipped(view.width, view.height);
    if (clip.empty())
        return;
    fill_rect(view, clip.x, clip.y, clip.right() - 1, clip.bottom() - 1, box.background_pixel(),
              clip);
    draw_layers(view, box, label, clip);
}

}  // namespace qd::host
