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

void fill_rect(Image& image, int x0, int y0, int x1, int y1, std::uint32_t pixel) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, image.width - 1);
    y1 = std::min(y1, image.height - 1);
    for (int y = y0; y <= y1; ++y)
        std::fill(image.row(y) + x0, image.row(y) + x1 + 1, pixel);
}

// Two frames, each half the edge's width: shadow above and left, light below and right, as a
// sunken well.
void draw_sunken_edge(Image& image, int edge) {
    const int r = image.width - 1, b = image.height - 1;
    const auto frame = [&](int inset, std::uint32_t top_left, std::uint32_t bottom_right) {
        const int x0 = inset, y0 = inset, x1 = r - inset, y1 = b - inset;
        if (x0 > x1 || y0 > y1)
            return;
        fill_rect(image, x0, y1, x1, y1, bottom_right);
        fill_rect(image, x1, y0, x1, y1, bottom_right);
        fill_rect(image, x0, y0, x1 - 1, y0, top_left);
        fill_rect(image, x0, y0, x0, y1 - 1, top_left);
    };
    const int outer = (edge + 1) / 2;
    for (int inset = 0; inset < edge; ++inset) {
        if (inset < outer)
            frame(inset, system_pixel(kSysButtonShadow), system_pixel(kSysButtonHighlight));
        else
            frame(inset, system_pixel(kSys3DDarkShadow), system_pixel(kSys3DLight));
    }
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
    if (!label.visible())
        return;
    const int left = origin_x + static_cast<int>(std::floor(label.left_px() + 0.5));
    const int top = origin_y + static_cast<int>(std::floor(label.top_px() + 0.5));
    const int cx0 = std::max(left, origin_x), cy0 = std::max(top, origin_y);
    const int cx1 = std::min(left + label.width_px() - 1, origin_x + inner_w - 1);
    const int cy1 = std::min(top + label.height_px() - 1, origin_y + inner_h - 1);
    if (cx0 > cx1 || cy0 > cy1)
        return;
    if (label.back_style() == 1)
        fill_rect(image, cx0, cy0, cx1, cy1, box.background_pixel());
    const double room = label.width_px() - 2 * label.pad_x() - label.text_width_px();
    double x = left + label.pad_x();
    if (label.alignment() == 1)
        x += room;
    else if (label.alignment() == 2)
        x += room / 2;
    FontFace::shared().draw(image, x, top + label.pad_y() + label.ascent_px(), label.caption(),
                            label.device_points(), label.fore_pixel(), cx0, cy0, cx1, cy1);
}

Image compose_view(const RasterPictureBox& box, const RasterLabel* label) {
    Image view(box.outer_width_px(), box.outer_height_px(), box.background_pixel());
    if (view.empty())
        return view;
    const int edge = box.border_pixels();
    if (edge > 0)
        draw_sunken_edge(view, edge);
    blit(view, box.picture(), edge, edge);
    if (label)
        draw_label(view, *label, box, edge, edge, box.picture().width, box.picture().height);
    return view;
}

}  // namespace qd::host
