// The single pie on the container's raster surface: what a person sees, checked by pixels and
// against a reference picture under ref/.
//
// On a mismatch with the reference the test writes <name>_actual.png and <name>_diff.png
// (differing pixels in magenta over a dimmed copy) into the build folder. Run with
// QD_UPDATE_REFERENCES=1 to write the reference afresh, then look at it before keeping it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "host/raster/png_io.h"
#include "singlepie/single_pie.h"
#include "tests/host/reference_compare.h"
#include "tests/support/raster_rig.h"

namespace qd {
namespace {

using namespace qd::single;

constexpr std::uint32_t kBackground = 0xFFFFFF;
constexpr double kPi = std::numbers::pi;

// A single pie sited on a raster picture box and label, 200 x 200 pixels.
struct RasterPie : test::RasterRig<_qdxProgressPie> {
    RasterPie() : RasterRig(&create_single_pie, 3000, 3000, kBackground) {}
    ComPtr<_qdxProgressPie>& pie = control;

    // The pixel at `radius` from the centre (100, 100) in direction `angle` (counter-clockwise
    // from 3 o'clock, on screen).
    std::uint32_t at(double angle, double radius) const {
        const int x = static_cast<int>(std::floor(100 + radius * std::cos(angle)));
        const int y = static_cast<int>(std::floor(100 - radius * std::sin(angle)));
        return picture().at(x, y);
    }
};

using host::test::channel_difference;

TEST(SinglePiePixels, DefaultPieShowsTheFirstThreeQuartersOfTheSweep) {
    RasterPie p;
    ASSERT_EQ(p.picture().width, 200);
    ASSERT_EQ(p.picture().height, 200);
    // Just past 3 o'clock band 1 covers band 0 (both start at 0.0001): one step into the
    // sweep from blue. The sweep runs towards green, so the last filled band (75 of 100) has
    // green 191 and blue 63.
    EXPECT_EQ(p.at(0.02, 60), 0xFC0200u);
    EXPECT_LE(channel_difference(p.at(1.49 * kPi, 60), 0x3FBF00), 3);
    // Halfway round: band 50, 0x7F7F00.
    EXPECT_LE(channel_difference(p.at(kPi - 0.01, 60), 0x7F7F00), 3);
    // The last quarter stays empty; the grey border ring lies one pixel outside the fill.
    EXPECT_EQ(p.at(1.75 * kPi, 60), kBackground);
    EXPECT_EQ(p.at(1.75 * kPi, 95), 0xC8C8C8u);
    EXPECT_EQ(p.at(0.5 * kPi, 95), 0xC8C8C8u);
    EXPECT_EQ(p.picture().at(2, 2), kBackground);
    EXPECT_EQ(p.label->caption(), "75%");
}

TEST(SinglePiePixels, FullPieHasNoGapsAndEmptyPieOnlyItsBorder) {
    RasterPie p;
    ASSERT_EQ(p.pie->put_Value(100), S_OK);
    int gaps = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const double dx = x + 0.5 - 100, dy = y + 0.5 - 100;
            if (dx * dx + dy * dy < 92.0 * 92.0)
                gaps += p.picture().at(x, y) == kBackground;
        }
    EXPECT_EQ(gaps, 0);
    // The sweep closes at 3 o'clock with 0x00FE00 just below it.
    EXPECT_LE(channel_difference(p.at(-0.01, 60), 0x00FE00), 3);

    ASSERT_EQ(p.pie->put_Value(0), S_OK);  // shrinks: cleared, border only
    int filled = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const double dx = x + 0.5 - 100, dy = y + 0.5 - 100;
            if (dx * dx + dy * dy < 90.0 * 90.0)
                filled += p.picture().at(x, y) != kBackground;
        }
    EXPECT_EQ(filled, 0);
    EXPECT_EQ(p.at(0.3, 95), 0xC8C8C8u);
}

TEST(SinglePiePixels, DefaultPieMatchesTheReferencePicture) {
    RasterPie p;
    const host::Image actual = host::compose_view(*p.box.get(), p.label.get());
    host::test::expect_matches_reference("default_single_pie", actual);
}

}  // namespace
}  // namespace qd
