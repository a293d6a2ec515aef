// Shared helpers of the raster surface tests: a picture box in pixels and a slow, obviously
// correct per-pixel model of an ellipse sector to compare the span fills against.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

#include "host/raster/raster_picture_box.h"

namespace qd::host::test {

inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr double kPi = std::numbers::pi;

// A borderless box of w x h pixels in pixel scale, cleared to white, filling solid red with no
// outline: the state a pie's fill runs in.
inline ComPtr<RasterPictureBox> pixel_box(int w, int h) {
    auto box = RasterPictureBox::make();
    box->resize_pixels(w, h);
    box->set_background(kWhite);
    box->put_ScaleMode(3);
    box->Cls();
    box->put_FillStyle(0);
    box->put_FillColor(kRed);
    box->put_DrawStyle(5);
    return box;
}

inline HRESULT sector(RasterPictureBox* box, float cx, float cy, float r, float start, float end,
                      float aspect = 1.0f) {
    return box->Circle(cx, cy, r, OptionalColor::none(), OptionalSingle::of(start),
                       OptionalSingle::of(end), OptionalSingle::of(aspect));
}

inline HRESULT ellipse(RasterPictureBox* box, float cx, float cy, float r, float aspect = 1.0f) {
    return box->Circle(cx, cy, r, OptionalColor::none(), OptionalSingle::none(),
                       OptionalSingle::none(), OptionalSingle::of(aspect));
}

// The reference: is the pixel centre (x, y) inside the sector from `start` to `end`
// (counter-clockwise on screen) of the ellipse with semi-axes a, b?
inline bool reference_inside(double x, double y, double cx, double cy, double a, double b,
                             double start, double end) {
    const double dx = x - cx, dy = y - cy;
    if (dx * dx / (a * a) + dy * dy / (b * b) > 1.0)
        return false;
    if (dx == 0 && dy == 0)
        return true;
    double theta = std::atan2(-dy, dx);
    if (theta < 0)
        theta += 2 * kPi;
    double sweep = end - start;
    if (sweep < 0)
        sweep += 2 * kPi;
    double from_start = theta - start;
    if (from_start < 0)
        from_start += 2 * kPi;
    return from_start <= sweep;
}

inline int count_pixels(const Image& image, std::uint32_t pixel) {
    int n = 0;
    for (std::uint32_t p : image.pixels)
        n += p == pixel;
    return n;
}

}  // namespace qd::host::test
