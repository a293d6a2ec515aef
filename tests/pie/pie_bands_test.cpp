// The band fills: which bands a run paints, their angles, and their colours.
#include <gtest/gtest.h>

#include "foundation/colour.h"
#include "foundation/numeric.h"
#include "foundation/random.h"
#include "tests/pie/pie_test_support.h"

namespace qd::test {
namespace {

using progress::create_progress_pie;

// The FillColor values of a run, in order.
std::vector<OLE_COLOR> band_colours(const Lines& lines) {
    std::vector<OLE_COLOR> out;
    for (const std::string& l : lines_starting(lines, "picBox.FillColor = "))
        out.push_back(std::stoi(l.substr(std::string("picBox.FillColor = ").size())));
    return out;
}

// The pie's own Circle calls (radius 94 on 200 x 100), not the border's.
Lines band_circles(const Lines& lines) {
    return lines_starting(lines, "picBox.Circle 100, 50, 94,");
}

struct BandPie : ::testing::Test {
    PieRig rig{&create_progress_pie};
    void SetUp() override { ASSERT_EQ(rig.start_pixels(200, 100), S_OK); }
};

TEST_F(BandPie, FullRepaintRunsFromASliverToTheRoundedBand) {
    // The first Resize of a new pie: Value 75 of 0..100, three-colour gradient.
    const Lines circles = band_circles(rig.lines());
    ASSERT_EQ(circles.size(), 76u);  // bands 0..75
    EXPECT_EQ(circles[0], "picBox.Circle 100, 50, 94, , -0.0001, -0.05, 0.5");
    EXPECT_EQ(circles[1], "picBox.Circle 100, 50, 94, , -0.0001, -0.11283185, 0.5");
    EXPECT_EQ(circles[75], "picBox.Circle 100, 50, 94, , -4.6496572, -4.712389, 0.5");
    EXPECT_EQ(band_colours(rig.lines()).size(), 76u);
}

TEST_F(BandPie, GrowingValuePaintsOnlyTheNewBands) {
    rig.clear();
    ASSERT_EQ(rig->put_Value(80), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
    const Lines circles = band_circles(rig.lines());
    ASSERT_EQ(circles.size(), 6u);  // the sliver of band 75, then 76..80
    EXPECT_EQ(circles[0], "picBox.Circle 100, 50, 94, , -4.712489, -4.762389, 0.5");
    EXPECT_EQ(circles[1], "picBox.Circle 100, 50, 94, , -4.712489, -4.825221, 0.5");
    EXPECT_EQ(circles[5], "picBox.Circle 100, 50, 94, , -4.963816, -5.0265484, 0.5");

    // A step too small to change the rounded band paints nothing but still renews the caption.
    rig.clear();
    ASSERT_EQ(rig->put_Value(80.2f), S_OK);
    EXPECT_TRUE(band_circles(rig.lines()).empty());
    EXPECT_EQ(rig.lines().back(), "lblText.Caption = \"80%\"");
}

TEST_F(BandPie, TinyValuesRoundToNoBandOrTwo) {
    rig.clear();
    ASSERT_EQ(rig->put_Value(0.5f), S_OK);  // 0.4999999888 bands: rounds to 0
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);
    EXPECT_TRUE(band_circles(rig.lines()).empty());
    rig.clear();
    ASSERT_EQ(rig->put_Value(0.6f), S_OK);
    EXPECT_EQ(band_circles(rig.lines()).size(), 2u);
}

TEST_F(BandPie, FullPieWrapsTheLastBandEndPastTwoPi) {
    rig.clear();
    ASSERT_EQ(rig->put_Value(100), S_OK);
    const Lines circles = band_circles(rig.lines());
    ASSERT_EQ(circles.size(), 26u);  // 75..100
    EXPECT_EQ(circles.back(), "picBox.Circle 100, 50, 94, , -6.2204533, -8.881784e-16, 0.5");
}

TEST_F(BandPie, GradientColoursAreFlooredFromSingleIncrements) {
    ASSERT_EQ(rig->put_Value(100), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_FillType(progress::p2ColorGradient), S_OK);
    ASSERT_EQ(rig->put_FillColorStart(0x000000), S_OK);
    ASSERT_EQ(rig->put_FillColorEnd(0x0000FF), S_OK);
    std::vector<OLE_COLOR> c = band_colours(rig.lines());
    ASSERT_EQ(c.size(), 101u * 3);  // three full repaints
    EXPECT_EQ(c.back(), 254);       // 2.55 is held as 2.5499999523
    EXPECT_EQ(c[c.size() - 51], 127);

    rig.clear();
    ASSERT_EQ(rig->put_FillColorStart(0x0000FF), S_OK);
    ASSERT_EQ(rig->put_FillColorEnd(0x000000), S_OK);
    c = band_colours(rig.lines());
    EXPECT_EQ(c.front(), 255);
    EXPECT_EQ(c.back(), 0);  // floor(-254.99999523) + 255

    // Three colours: start -> mid over bands 0..50, mid -> end from band 51.
    ASSERT_EQ(rig->put_FillType(progress::p3ColorGradient), S_OK);
    ASSERT_EQ(rig->put_FillColorStart(0x000000), S_OK);
    ASSERT_EQ(rig->put_FillColorMid(0x0000FF), S_OK);
    rig.clear();
    ASSERT_EQ(rig->Refresh(), S_OK);
    c = band_colours(rig.lines());
    ASSERT_EQ(c.size(), 101u);
    EXPECT_EQ(c[0], 0);
    EXPECT_EQ(c[50], 254);      // 5.1 is held as 5.0999999
    EXPECT_EQ(c[51], 255 - 6);  // mid + floor(-5.0999999)
    EXPECT_EQ(c[100], 0);
}

TEST_F(BandPie, SystemColourBlueIsRaisedToZero) {
    ASSERT_EQ(rig->put_FillType(progress::p2ColorGradient), S_OK);
    ASSERT_EQ(rig->put_FillColorStart(static_cast<OLE_COLOR>(0x8000000F)), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_FillColorEnd(static_cast<OLE_COLOR>(0x8000000F)), S_OK);
    for (OLE_COLOR c : band_colours(rig.lines()))
        ASSERT_EQ(c, 15);  // red 15, green 0, blue -32768 -> 0
}

TEST_F(BandPie, RandomFillDrawsThreeValuesPerBandRedGreenBlue) {
    ASSERT_EQ(rig->put_FillType(progress::pRandom), S_OK);
    ASSERT_EQ(rig->put_Value(70), S_OK);
    const std::uint32_t before = random_state();
    rig.clear();
    ASSERT_EQ(rig->put_Value(80), S_OK);  // bands 70..80: 11 bands, the first a sliver
    const std::uint32_t after = random_state();

    set_random_state(before);
    const float red = Rnd(), green = Rnd(), blue = Rnd();
    for (int n = 3; n < 33; ++n)
        Rnd();
    EXPECT_EQ(random_state(), after);
    const std::vector<OLE_COLOR> c = band_colours(rig.lines());
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(GetRed(c[0]), round_i16(to_single(red * 255.0)));
    EXPECT_EQ(GetGreen(c[0]), round_i16(to_single(green * 255.0)));
    EXPECT_EQ(GetBlue(c[0]), round_i16(to_single(blue * 255.0)));
}

}  // namespace
}  // namespace qd::test
