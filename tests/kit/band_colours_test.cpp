#include <gtest/gtest.h>

#include "foundation/numeric.h"
#include "foundation/random.h"
#include "foundation/result.h"
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

// The gradient rule step by step with the checked operations: a band's colour, or the error.
HRESULT reference_band(OLE_COLOR from, OLE_COLOR to, double bands, std::int16_t band,
                       OLE_COLOR* out) {
    try {
        std::int16_t channel[3];
        const std::int32_t f[3] = {GetRed(from), GetGreen(from), GetBlue(from)};
        const std::int32_t t[3] = {GetRed(to), GetGreen(to), GetBlue(to)};
        for (int k = 0; k < 3; ++k) {
            const float step = checked::to_single(checked::fdiv(t[k] - f[k], bands));
            const double product = static_cast<double>(static_cast<float>(band)) * step;
            const std::int32_t v =
                checked::narrow_i32(std::int64_t{checked::floor_i32(product)} + f[k]);
            channel[k] = checked::round_i16(v < 0 ? 0 : v);
        }
        *out = RGB(channel[0], channel[1], channel[2]);
        return S_OK;
    } catch (const RuntimeError& e) {
        return e.code();
    }
}

TEST(BandColours, GradientsAgreeWithTheCheckedRuleForEveryKindOfInput) {
    // Plain, system (negative blue) and out-of-range colour values; bands far beyond 100 and
    // below 0, where channels overflow 16 bits or the floor overflows 32.
    const OLE_COLOR colours[] = {0x000000,
                                 0xFFFFFF,
                                 0x0000FF,
                                 0x123456,
                                 0x7F7F7F,
                                 static_cast<OLE_COLOR>(0x80000012u),
                                 static_cast<OLE_COLOR>(0xFFFFFFFFu),
                                 0x7FFFFFFF,
                                 0x01000000,
                                 static_cast<OLE_COLOR>(0x80FF00FFu),
                                 0x00FF00};
    const std::int16_t bands[] = {0,   1,    49,    50,    51, 99,  100,   101,
                                  257, 1000, 12850, 32767, -1, -50, -32768};
    int errors = 0;
    for (const OLE_COLOR from : colours)
        for (const OLE_COLOR to : colours)
            for (const std::int16_t band : bands) {
                const BandColours two = BandColours::two_colour(from, to);
                const BandColours three = BandColours::three_colour(from, from, to);
                const auto actual = [&](const BandColours& c, bool second, OLE_COLOR* out) {
                    try {
                        *out = c.at(band, second);
                        return S_OK;
                    } catch (const RuntimeError& e) {
                        return e.code();
                    }
                };
                OLE_COLOR want = 0, got = 0;
                const HRESULT want_hr = reference_band(from, to, kBandCount, band, &want);
                ASSERT_EQ(actual(two, false, &got), want_hr) << from << " " << to << " " << band;
                if (succeeded(want_hr)) {
                    ASSERT_EQ(got, want) << from << " " << to << " " << band;
                }
                errors += failed(want_hr);
                // The second half of a three-colour gradient counts from band 50.
                if (band < -32718)
                    continue;
                const auto half = static_cast<std::int16_t>(band - kHalfBandCount);
                const HRESULT half_hr = reference_band(from, to, kHalfBandCount, half, &want);
                ASSERT_EQ(actual(three, true, &got), half_hr) << from << " " << to << " " << band;
                if (succeeded(half_hr)) {
                    ASSERT_EQ(got, want) << from << " " << to << " " << band;
                }
            }
    EXPECT_GT(errors, 0);  // the overflows were reached
}

}  // namespace
}  // namespace qd
