// A rectangle of device pixels, and the options that decide how many of them a twip is.
//
// A host that repaints a window asks the container what changed since it last looked
// (`take_damage()` on a control or a form) and gets one of these: x, y, width and height in
// device pixels of the control's view (or the form), empty (width and height 0) when nothing
// changed. A toolkit widget passes it straight to its update call.
#pragma once

#include <algorithm>

namespace qd::host {

struct PixelRect {
    int x = 0, y = 0;
    int width = 0, height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width; }    // one past the last column
    int bottom() const { return y + height; }  // one past the last row

    // Columns x0..x1 and rows y0..y1, both ends included; empty when either range is.
    static PixelRect spanning(long long x0, long long y0, long long x1, long long y1) {
        if (x0 > x1 || y0 > y1)
            return {};
        return {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0 + 1),
                static_cast<int>(y1 - y0 + 1)};
    }
    // The part inside 0..width-1, 0..height-1.
    PixelRect clipped(int w, int h) const {
        if (empty())
            return {};
        const int x0 = std::max(x, 0), y0 = std::max(y, 0);
        const int x1 = std::min(right(), w), y1 = std::min(bottom(), h);
        return x0 < x1 && y0 < y1 ? PixelRect{x0, y0, x1 - x0, y1 - y0} : PixelRect{};
    }
    PixelRect moved(int dx, int dy) const {
        return empty() ? PixelRect{} : PixelRect{x + dx, y + dy, width, height};
    }
    // The smallest rectangle holding both.
    void unite(const PixelRect& o) {
        if (o.empty())
            return;
        if (empty()) {
            *this = o;
            return;
        }
        const int x1 = std::max(right(), o.right()), y1 = std::max(bottom(), o.bottom());
        x = std::min(x, o.x);
        y = std::min(y, o.y);
        width = x1 - x;
        height = y1 - y;
    }
    bool contains(int px, int py) const {
        return px >= x && px < right() && py >= y && py < bottom();
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// How the host's screen is drawn on. `scale` is device pixels per 96-dpi pixel (2 on a
// "retina" screen): a twip is 1 / (15 / scale) pixels and the label's font is rasterised at
// 96 x scale dpi. `smooth` draws anti-aliased figure edges and text.
struct DeviceOptions {
    double scale = 1;
    bool smooth = false;

    double twips_per_pixel() const { return 15.0 / scale; }  // 15 twips a pixel at scale 1
};

// The scales a host may ask for: 1 to 4 (1, 1.5, 2 and 3 are the usual screens).
inline bool is_device_scale(double scale) {
    return scale >= 1 && scale <= 4;
}

}  // namespace qd::host
