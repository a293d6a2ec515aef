#include <gtest/gtest.h>

#include "foundation/random.h"
#include "kit/band_colours.h"

namespace qd {
namespace {

struct BandCase {
    const char* what;
    BandColours colours;
    std::int16_t band;
    bool second_half;
    OLE_COLOR expected;
};

// Expected colours worked out by hand from the single-precision steps: 255 / 100 is held as
// 2.5499999523, 255 / 50 as 5.0999999046, so a product just below a whole number floors down.
TEST(BandColours, GradientsFloorSingleStepsAndClampAtZero) {
    const BandColours grey = BandColours::two_colour(0x000000, 0xFFFFFF);
    const BandColours fading_red = BandColours::two_colour(0x0000FF, 0x000000);
    const BandColours three = BandColours::three_colour(0x0000FF, 0xFF0000, 0x00FF00);
    const BandCase cases[] = {
        {"first band is the start colour", grey, 0, false, 0x000000},
        {"2.55 per band floors to 2", grey, 1, false, 0x020202},
        {"the middle band floors 127.49", grey, 50, false, 0x7F7F7F},
        {"a 0-to-255 gradient ends at 254", grey, 100, false, 0xFEFEFE},
        {"a falling channel floors away from zero", fading_red, 1, false, 0x0000FC},
        {"a falling channel ends at 0", fading_red, 100, false, 0x000000},
        {"below zero is clamped, not wrapped", fading_red, 101, false, 0x000000},
        {"first half runs from start to mid", three, 10, false, 0x3200CC},
        {"second half starts at mid", three, 50, true, 0xFF0000},
        {"second half counts its bands from 50", three, 60, true, 0xCC3200},
        {"the half is the caller's choice", three, 30, false, 0x980066},
    };
    for (const BandCase& c : cases)
        EXPECT_EQ(c.colours.at(c.band, c.second_half), c.expected) << c.what;
}

TEST(BandColours, RandomBandsDrawRedGreenBlueFromTheRuntimeGenerator) {
    set_random_state(327680);
    const BandColours random = BandColours::random();
    // Three draws per band, red first, each scaled to 0..255 and rounded half-even.
    EXPECT_EQ(random.at(0, false), 0x9488B4);
    EXPECT_EQ(random.at(0, false), 0xC64D4A);

    // A fill type picks the same colours as the matching constructor; other types are random.
    const OLE_COLOR start = 0x102030, mid = 0x405060, end = 0x708090;
    for (std::int16_t band : {0, 37, 99}) {
        EXPECT_EQ(BandColours::for_fill_type(kTwoColourFill, start, mid, end).at(band, false),
                  BandColours::two_colour(start, end).at(band, false));
        EXPECT_EQ(BandColours::for_fill_type(kThreeColourFill, start, mid, end).at(band, true),
                  BandColours::three_colour(start, mid, end).at(band, true));
    }
    set_random_state(327680);
    EXPECT_EQ(BandColours::for_fill_type(3, start, mid, end).at(5, false), 0x9488B4);
}

}  // namespace
}  // namespace qd
