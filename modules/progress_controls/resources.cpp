#include "modules/progress_controls/resources.h"

#include <array>
#include <iterator>
#include <string_view>

namespace qd::progress {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;
using Pixels = std::array<std::uint8_t, kWidth * kHeight>;

// Turns a picture drawn as text into palette indices: each character's index is its position
// in `key`. A row of the wrong length or an unknown character stops compilation.
constexpr Pixels from_art(const std::string_view (&rows)[kHeight], std::string_view key) {
    Pixels px{};
    for (int y = 0; y < kHeight; ++y) {
        if (rows[y].size() != kWidth)
            throw "bitmap row of the wrong length";
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t index = key.find(rows[y][x]);
            if (index == std::string_view::npos)
                throw "bitmap character not in the palette key";
            px[y * kWidth + x] = static_cast<std::uint8_t>(index);
        }
    }
    return px;
}

// Toolbox grey, frame, then the band's colours from red to violet (0x00RRGGBB).
constexpr std::string_view kBarKey = ".#roygcbv";
constexpr std::uint32_t kBarPalette[] = {0xC0C0C0, 0x404040, 0xFF0000, 0xFF8000, 0xFFFF00,
                                         0x00C000, 0x00C0C0, 0x0000FF, 0x8000FF};
constexpr std::string_view kBarArt[kHeight] = {
    "................",  //
    "................",  //
    "................",  //
    "################",  //
    "#rrooyyggccbbvv#",  //
    "#rrooyyggccbbvv#",  //
    "#rrooyyggccbbvv#",  //
    "#rrooyyggccbbvv#",  //
    "#rrooyyggccbbvv#",  //
    "#rrooyyggccbbvv#",  //
    "#rrooyyggccbbvv#",  //
    "################",  //
    "................",  //
    "................",  //
    "................",  //
};
constexpr Pixels kBarPixels = from_art(kBarArt, kBarKey);

// Toolbox grey, outline, filled sector, empty rest of the circle. The sector grows
// counter-clockwise from 3 o'clock to 6 o'clock, as the control draws it.
constexpr std::string_view kPieKey = ".#bw";
constexpr std::uint32_t kPiePalette[] = {0xC0C0C0, 0x000000, 0x0000FF, 0xFFFFFF};
constexpr std::string_view kPieArt[kHeight] = {
    "................",  //
    ".....######.....",  //
    "....##bbbb##....",  //
    "...#bbbbbbbb#...",  //
    "..##bbbbbbbb##..",  //
    "..#bbbbbbbbbb#..",  //
    ".##bbbbbbbbbb##.",  //
    ".##bbbbbbbbbb##.",  //
    ".##bbbbbwwwww##.",  //
    "..#bbbbbwwwww#..",  //
    "..##bbbbwwww##..",  //
    "...#bbbbwwww#...",  //
    "....##bbww##....",  //
    ".....######.....",  //
    "................",  //
};
constexpr Pixels kPiePixels = from_art(kPieArt, kPieKey);

constexpr VersionString kVersionStrings[] = {
    {"FileDescription",
     "Pie and bar progress controls with single-colour, gradient and random "
     "band fills"},
    {"FileVersion", "1.00.0007"},
    {"InternalName", "qdProgressControls"},
    {"OLESelfRegister", ""},
    {"ProductName", "qdProgressControls"},
    {"ProductVersion", "1.00.0007"},
};

}  // namespace

const BitmapDesc kToolboxBitmaps[2] = {
    {kBarBitmapId, kWidth, kHeight, 8, kBarPalette, std::size(kBarPalette), kBarPixels.data()},
    {kPieBitmapId, kWidth, kHeight, 8, kPiePalette, std::size(kPiePalette), kPiePixels.data()},
};

const VersionDesc kVersionInfo = {
    {1, 0, 0, 7}, {1, 0, 0, 7}, 1033, kVersionStrings, std::size(kVersionStrings)};

}  // namespace qd::progress
