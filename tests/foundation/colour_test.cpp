#include <gtest/gtest.h>

#include "foundation/colour.h"

namespace qd {
namespace {

struct Split {
    std::uint32_t colour;
    std::int32_t red, green, blue;
};

TEST(ColourChannels, SplitsEveryValueByTheSameArithmetic) {
    const Split cases[] = {
        {0xFF8040u, 64, 128, 255},   {0xE0E0E0u, 224, 224, 224},   {0x8000000Fu, 15, 0, -32768},
        {0xFFFFFFFFu, 255, 255, -1}, {0x01FFFFFFu, 255, 255, 511}, {0x7FFFFFFFu, 255, 255, 32767},
        {0x00000000u, 0, 0, 0},      {0x80000000u, 0, 0, -32768},
    };
    for (const Split& c : cases) {
        const OLE_COLOR v = static_cast<OLE_COLOR>(c.colour);
        EXPECT_EQ(GetRed(v), c.red) << std::hex << c.colour;
        EXPECT_EQ(GetGreen(v), c.green) << std::hex << c.colour;
        EXPECT_EQ(GetBlue(v), c.blue) << std::hex << c.colour;
    }
}

TEST(ColourChannels, CompositionIsTheInverseForPlainColours) {
    for (OLE_COLOR c : {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0xFFFFFF}) {
        EXPECT_EQ(RGB(static_cast<std::int16_t>(GetRed(c)), static_cast<std::int16_t>(GetGreen(c)),
                      static_cast<std::int16_t>(GetBlue(c))),
                  c);
    }
}

}  // namespace
}  // namespace qd
