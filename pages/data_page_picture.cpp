// Picture1 of the Data page: a decorative 48 x 48, 256-colour image of a three-quarter pie
// above a three-quarter bar, both in the controls' default red-blue-green gradient.
#include <array>
#include <cstdint>

#include "pages/data_page_layout.h"

namespace qd::progress {

namespace {

constexpr int kSize = 48;
constexpr int kPaletteSize = 256;

// Palette slots (0x00RRGGBB); the gradient takes kGradientSteps slots from kGradientFirst, the
// rest of the 256 is a grey ramp so that every index names a colour.
constexpr std::uint8_t kFace = 0;
constexpr std::uint8_t kOutline = 1;
constexpr std::uint8_t kEmpty = 2;
constexpr std::uint8_t kShadow = 3;
constexpr int kGradientFirst = 16;
constexpr int kGradientSteps = 64;

constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

constexpr int lerp(int a, int b, int step, int steps) {
    return a + (b - a) * step / steps;
}

// Red to blue over the first half, blue to green over the second.
constexpr std::uint32_t gradient(int step) {
    constexpr int half = kGradientSteps / 2;
    if (step < half)
        return rgb(lerp(255, 0, step, half), 0, lerp(0, 255, step, half));
    return rgb(0, lerp(0, 255, step - half, half), lerp(255, 0, step - half, half));
}

constexpr std::array<std::uint32_t, kPaletteSize> make_palette() {
    std::array<std::uint32_t, kPaletteSize> p{};
    for (int i = 0; i < kPaletteSize; ++i)
        p[i] = rgb(i, i, i);
    p[kFace] = rgb(0xD4, 0xD0, 0xC8);
    p[kOutline] = rgb(0x40, 0x40, 0x40);
    p[kEmpty] = rgb(0xF8, 0xF8, 0xF8);
    p[kShadow] = rgb(0xA0, 0x9C, 0x94);
    for (int s = 0; s < kGradientSteps; ++s)
        p[kGradientFirst + s] = gradient(s);
    return p;
}

constexpr std::uint8_t gradient_index(double t) {  // t in [0, 1]
    int s = static_cast<int>(t * kGradientSteps);
    if (s >= kGradientSteps)
        s = kGradientSteps - 1;
    return static_cast<std::uint8_t>(kGradientFirst + s);
}

// A monotonic stand-in for the angle counter-clockwise from 3 o'clock, in quarter turns
// (0 to 4), so the image needs no trigonometry at compile time. y points up.
constexpr double quarter_turns(double x, double y) {
    if (y >= 0 && x > 0)
        return y / (x + y);
    if (y > 0)
        return 1 + -x / (-x + y);
    if (x < 0)
        return 2 + -y / (-x - y);
    return 3 + x / (x - y);
}

using Pixels = std::array<std::uint8_t, kSize * kSize>;

// The pie: centre (23.5, 20.5), radius 18, filled counter-clockwise from 3 o'clock over
// three quarter turns, with a dark outline.
constexpr void draw_pie(Pixels& px) {
    constexpr double cx = 23.5, cy = 20.5, r = 18;
    for (int row = 0; row < kSize; ++row) {
        for (int col = 0; col < kSize; ++col) {
            const double x = col - cx, y = cy - row;
            const double d2 = x * x + y * y;
            if (d2 > r * r)
                continue;
            std::uint8_t& p = px[row * kSize + col];
            if (d2 > (r - 1.2) * (r - 1.2)) {
                p = kOutline;
                continue;
            }
            const double turns = quarter_turns(x, y);
            p = turns < 3 ? gradient_index(turns / 3) : kEmpty;
        }
    }
}

// The bar: rows 41 to 46, filled from the left over three quarters of its inside.
constexpr void draw_bar(Pixels& px) {
    constexpr int left = 3, right = 44, top = 41, bottom = 46;
    constexpr int inside = right - left - 1;
    constexpr int filled = inside * 3 / 4;
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            std::uint8_t& p = px[row * kSize + col];
            if (row == top || col == left)
                p = kShadow;
            else if (row == bottom || col == right)
                p = kOutline;
            else if (col - left - 1 < filled)
                p = gradient_index(static_cast<double>(col - left - 1) / inside);
            else
                p = kEmpty;
        }
    }
}

constexpr Pixels make_pixels() {
    Pixels px{};
    px.fill(kFace);
    draw_pie(px);
    draw_bar(px);
    return px;
}

constexpr auto kPalette = make_palette();
constexpr auto kPixels = make_pixels();

}  // namespace

const BitmapDesc kDataPagePicture = {
    0, kSize, kSize, 8, kPalette.data(), kPalette.size(), kPixels.data(),
};

}  // namespace qd::progress
