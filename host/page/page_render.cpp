#include "host/page/page_render.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "host/raster/font_face.h"
#include "host/raster/raster_picture_box.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

constexpr OLE_COLOR kSysWindow = static_cast<OLE_COLOR>(0x80000005u);
constexpr OLE_COLOR kSysWindowText = static_cast<OLE_COLOR>(0x80000008u);
// The dialog font's size; pages are laid out for it.
constexpr float kFontPoints = 8.25f;
// Space between a text field's edge and its text, pixels (the edge is two of them).
constexpr int kFieldIndent = 4;

std::uint32_t pixel_of(OLE_COLOR c) {
    std::uint32_t p = 0;
    resolve_colour(c, &p);
    return p;
}

struct Rect {
    int x0, y0, x1, y1;  // inclusive
};

Rect pixels_of(const PageChildDesc& child) {
    const auto px = [](float twips) {
        return static_cast<int>(std::lround(twips / kTwipsPerPixel));
    };
    const int x = px(child.left), y = px(child.top);
    return {x, y, x + px(child.width) - 1, y + px(child.height) - 1};
}

void fill(Image& image, Rect r, std::uint32_t pixel) {
    r.x0 = std::max(r.x0, 0);
    r.y0 = std::max(r.y0, 0);
    r.x1 = std::min(r.x1, image.width - 1);
    r.y1 = std::min(r.y1, image.height - 1);
    for (int y = r.y0; y <= r.y1; ++y)
        std::fill(image.row(y) + r.x0, image.row(y) + r.x1 + 1, pixel);
}

// Two one-pixel frames, shadow above and left, light below and right: a sunken well.
void sunken_edge(Image& image, Rect r) {
    const auto frame = [&](int inset, OLE_COLOR top_left, OLE_COLOR bottom_right) {
        const Rect f{r.x0 + inset, r.y0 + inset, r.x1 - inset, r.y1 - inset};
        const std::uint32_t tl = pixel_of(top_left), br = pixel_of(bottom_right);
        fill(image, {f.x0, f.y1, f.x1, f.y1}, br);
        fill(image, {f.x1, f.y0, f.x1, f.y1}, br);
        fill(image, {f.x0, f.y0, f.x1 - 1, f.y0}, tl);
        fill(image, {f.x0, f.y0, f.x0, f.y1 - 1}, tl);
    };
    frame(0, kSysButtonShadow, kSysButtonHighlight);
    frame(1, kSys3DDarkShadow, kSysButtonFace);
}

void text(Image& image, const std::string& s, double x, int top, Rect clip, OLE_COLOR colour) {
    FontFace& font = FontFace::shared();
    const TextMetrics m = font.measure(s, kFontPoints);
    font.draw(image, x, top + m.ascent, s, kFontPoints, pixel_of(colour), clip.x0, clip.y0, clip.x1,
              clip.y1);
}

// A label's caption from its top-left corner, clipped to the label.
void draw_label(Image& image, const PageChildDesc& child) {
    const Rect r = pixels_of(child);
    text(image, child.caption, r.x0, r.y0, r, kSysButtonText);
}

// A white field in a sunken edge, its text vertically centred.
void draw_field(Image& image, const PageChildDesc& child, const std::string& value) {
    const Rect r = pixels_of(child);
    fill(image, r, pixel_of(kSysWindow));
    sunken_edge(image, r);
    const Rect inner{r.x0 + 2, r.y0 + 2, r.x1 - 2, r.y1 - 2};
    const int line = FontFace::shared().measure("0", kFontPoints).height;
    const int top = r.y0 + (r.y1 - r.y0 + 1 - line) / 2;
    text(image, value, r.x0 + kFieldIndent, top, inner, kSysWindowText);
}

// The bitmap inside a sunken edge, from the inner top-left corner, clipped to the picture.
void draw_picture(Image& image, const PageChildDesc& child, const BitmapDesc* bitmap) {
    const Rect r = pixels_of(child);
    fill(image, r, pixel_of(kSysButtonFace));
    sunken_edge(image, r);
    if (!bitmap || bitmap->bits_per_pixel != 8 || !bitmap->palette)
        return;
    const Rect inner{r.x0 + 2, r.y0 + 2, r.x1 - 2, r.y1 - 2};
    for (int y = 0; y < bitmap->height && inner.y0 + y <= inner.y1; ++y) {
        for (int x = 0; x < bitmap->width && inner.x0 + x <= inner.x1; ++x) {
            const std::optional<std::uint32_t> bgr = bitmap_pixel(*bitmap, x, y);
            if (bgr && inner.x0 + x < image.width && inner.y0 + y < image.height)
                image.row(inner.y0 + y)[inner.x0 + x] = *bgr;
        }
    }
}

}  // namespace

Image render_page(const PageSite& site) {
    const PageLayout* layout = site.layout();
    if (!layout)
        return {};
    Image image(static_cast<int>(std::lround(layout->width / kTwipsPerPixel)),
                static_cast<int>(std::lround(layout->height / kTwipsPerPixel)),
                pixel_of(kSysButtonFace));
    for (std::size_t i = 0; i < layout->child_count; ++i) {
        const PageChildDesc& child = layout->children[i];
        switch (child.kind) {
            case PageChildDesc::Kind::Label:
                draw_label(image, child);
                break;
            case PageChildDesc::Kind::TextField: {
                std::string value;
                site.text(child.name, &value);
                draw_field(image, child, value);
                break;
            }
            case PageChildDesc::Kind::Picture:
                draw_picture(image, child, layout->picture);
                break;
        }
    }
    return image;
}

}  // namespace qd::host
