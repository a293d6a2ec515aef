#include "modules/single_pie/resources.h"

#include <array>
#include <iterator>

namespace qd::single {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;
using Pixels = std::array<std::uint8_t, kWidth * kHeight * 3>;

struct Rgb {
    double r, g, b;
};

constexpr Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr std::uint8_t byte(double v) {
    return static_cast<std::uint8_t>(v + 0.5);
}

// The position of the direction (dx, dy) around the circle, from 0 at 3 o'clock growing
// counter-clockwise to 1, as a "diamond angle": monotone in the true angle, without trigonometry,
// so the image is computed at compile time.
constexpr double turn_fraction(double dx, double dy) {
    const double ax = dx < 0 ? -dx : dx;
    const double ay = dy < 0 ? -dy : dy;
    const double sum = ax + ay;
    if (sum == 0)
        return 0;
    double d;  // 0..4 around the diamond
    if (dy >= 0)
        d = dx >= 0 ? dy / sum : 1 - dx / sum;
    else
        d = dx < 0 ? 2 - dy / sum : 3 + dx / sum;
    return d / 4;
}

// A circle filled with a blue-to-green sweep that runs counter-clockwise from 3 o'clock, as the
// control paints its gradient, on a background that runs from cyan at the left to yellow at
// the right. Rows top first, each pixel as the bytes B, G, R.
constexpr Pixels draw_toolbox_image() {
    constexpr Rgb blue{0, 0, 255}, green{0, 255, 0}, cyan{0, 255, 255}, yellow{255, 255, 0};
    constexpr double cx = 8.0, cy = 7.5, radius = 6.8;
    Pixels px{};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = cy - (y + 0.5);  // upwards positive
            const Rgb c = dx * dx + dy * dy <= radius * radius
                              ? mix(blue, green, turn_fraction(dx, dy))
                              : mix(cyan, yellow, x / double(kWidth - 1));
            const int at = (y * kWidth + x) * 3;
            px[at] = byte(c.b);
            px[at + 1] = byte(c.g);
            px[at + 2] = byte(c.r);
        }
    }
    return px;
}

constexpr Pixels kPixels = draw_toolbox_image();

constexpr VersionString kVersionStrings[] = {
    {"FileVersion", "0.01.0017"},
    {"InternalName", "qdxProgressPie"},
    {"OLESelfRegister", ""},
    {"ProductVersion", "0.01.0017"},
};

}  // namespace

const BitmapDesc kToolboxBitmaps[1] = {
    {kSinglePieBitmapId, kWidth, kHeight, 24, nullptr, 0, kPixels.data()},
};

const VersionDesc kVersionInfo = {
    {0, 1, 0, 17}, {0, 1, 0, 17}, 1033, kVersionStrings, std::size(kVersionStrings)};

}  // namespace qd::single
