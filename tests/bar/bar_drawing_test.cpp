// DrawBar as seen from the surface: lengths in the surface's own units, full versus incremental
// passes, the single-colour box, the band runs with their colours, and the random fill.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "foundation/colour.h"
#include "foundation/random.h"
#include "tests/bar/bar_test_support.h"

namespace qd::test {
namespace {

using namespace progress;

constexpr OLE_COLOR kRed = 0x0000FF;

Lines label_text(const char* caption) {
    return {"lblText.FontSize = 10", "lblText.ForeColor = 65535",
            std::string("lblText.Caption = \"") + caption + "\""};
}

Lines concat(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The colour values of the ForeColor lines, in order.
std::vector<int> band_colours(const Lines& lines) {
    std::vector<int> out;
    for (const std::string& l : lines_starting(lines, "picBox.ForeColor = "))
        out.push_back(std::stoi(l.substr(std::string("picBox.ForeColor = ").size())));
    return out;
}

struct SingleColourBar : ::testing::Test {
    FlatBar bar;
    BarRig& rig = bar.rig;
    void SetUp() override {
        ASSERT_EQ(rig->put_FillType(pSingleColor), S_OK);
        rig.clear();
    }
};

TEST_F(SingleColourBar, GrowingValuePaintsTheWholeBoxAgainWithoutClearing) {
    ASSERT_EQ(rig->put_Value(90), S_OK);
    EXPECT_EQ(rig.lines(), concat({{
                                       "PropertyChanged \"Value\"",
                                       "picBox.Width -> 200",
                                       "picBox.FillStyle = 0",
                                       "picBox.DrawStyle = 0",
                                       "picBox.FillColor = 255",
                                       "picBox.Height -> 100",
                                       "picBox.Line 0, 0, 180, 100",
                                   },
                                   label_text("90%")}));
}

TEST_F(SingleColourBar, ShrinkingValueClearsAndSetsTheFrameFirst) {
    ASSERT_EQ(rig->put_Value(33.3f), S_OK);
    EXPECT_EQ(rig.lines(),
              concat({{
                          "PropertyChanged \"Value\"", "picBox.Width -> 200", "picBox.Cls",
                          "picBox.BorderStyle = 0", "picBox.FillStyle = 0", "picBox.DrawStyle = 0",
                          "picBox.FillColor = 255", "picBox.Height -> 100",
                          "picBox.Line 0, 0, 66.6, 100",  // single precision
                      },
                      label_text("33%")}));
}

TEST_F(SingleColourBar, EndsOfAnOffsetRangeAndHalfway) {
    ASSERT_EQ(rig->put_Max(120), S_OK);
    ASSERT_EQ(rig->put_Min(20), S_OK);
    const std::pair<float, const char*> cases[] = {
        {120.0f, "picBox.Line 0, 0, 200, 100"},
        {20.0f, "picBox.Line 0, 0, 0, 100"},  // zero width, outlined in ForeColor
        {70.0f, "picBox.Line 0, 0, 100, 100"},
    };
    for (const auto& [value, box] : cases) {
        rig.clear();
        ASSERT_EQ(rig->put_Value(value), S_OK);
        EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line"), (Lines{box})) << value;
        EXPECT_EQ(count_starting(rig.lines(), "picBox.ForeColor"), 0u);
    }
    // At Value >= Max the box spans the surface's Width, read when the box is drawn.
    rig.clear();
    ASSERT_EQ(rig->put_Value(120), S_OK);
    const Lines& l = rig.lines();
    EXPECT_EQ(Lines(l.end() - 6, l.end() - 3),
              (Lines{"picBox.Width -> 200", "picBox.Height -> 100", "picBox.Line 0, 0, 200, 100"}));
}

TEST(BarDrawing, NewBarDrawsInTwipsAtItsDesignExtent) {
    BarRig rig{&create_progress_bar, 5310.0f, 390.0f, 0};
    ASSERT_EQ(rig.start(), S_OK);
    const Lines& l = rig.lines();
    EXPECT_EQ(count_starting(l, "picBox.ScaleMode"), 0u);
    EXPECT_EQ(l[0], "control.Width -> 5310");
    EXPECT_EQ(lines_starting(l, "picBox.BorderStyle"), (Lines{"picBox.BorderStyle = 1"}));
    const Lines boxes = lines_starting(l, "picBox.Line");
    ASSERT_EQ(boxes.size(), 76u);  // bands 0 to 75 of a 75 % bar
    EXPECT_EQ(boxes.front(), "picBox.Line 0, 0, 0, 390");
    EXPECT_EQ(boxes.back(), "picBox.Line 3929.4, 0, 3982.5, 390");
    EXPECT_EQ(rig.label().caption(), "75%");
}

TEST(BarDrawing, TwoColourGradientFromAClear) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_FillColorStart(0), S_OK);
    ASSERT_EQ(rig->put_FillColorEnd(kRed), S_OK);
    ASSERT_EQ(rig->put_Value(50), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_FillType(p2ColorGradient), S_OK);

    Lines expected = {
        "PropertyChanged \"FillType\"", "picBox.Width -> 200",  "picBox.Cls",
        "picBox.BorderStyle = 0",       "picBox.FillStyle = 0", "picBox.DrawStyle = 0",
        "picBox.Width -> 200",
    };
    // Band i's red is floor(i * 2.55 held in single precision); its box ends at 2i.
    const float step = 2.55f;
    for (int i = 0; i <= 50; ++i) {
        const int red = static_cast<int>(std::floor(static_cast<float>(i) * double{step}));
        const std::string x1 = std::to_string(i == 0 ? 0 : 2 * (i - 1));
        expected = concat({expected, band_lines(red, x1, std::to_string(2 * i))});
    }
    expected = concat({expected, label_text("50%")});
    EXPECT_EQ(rig.lines(), expected);

    // Growing to the end adds bands 50 to 100 only; band 100 is 254, not 255.
    rig.clear();
    ASSERT_EQ(rig->put_Value(100), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
    const std::vector<int> colours = band_colours(rig.lines());
    ASSERT_EQ(colours.size(), 51u);
    EXPECT_EQ(colours.front(), 127);  // band 50 again, as a box of zero width
    EXPECT_EQ(colours.back(), 254);
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line").front(), "picBox.Line 100, 0, 100, 100");

    // From red 255 down to 0, band 100 reaches 0.
    ASSERT_EQ(rig->put_FillColorStart(kRed), S_OK);
    ASSERT_EQ(rig->put_FillColorEnd(0), S_OK);
    EXPECT_EQ(band_colours(rig.lines()).back(), 0);
}

TEST(BarDrawing, ThreeColourGradientSwitchesHalvesOnTheBandsLeftEdge) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_FillColorStart(0), S_OK);
    ASSERT_EQ(rig->put_FillColorMid(kRed), S_OK);
    ASSERT_EQ(rig->put_FillColorEnd(0), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_Value(100), S_OK);               // bands 75 to 100, second half throughout
    EXPECT_EQ(band_colours(rig.lines()).front(), 127);  // 255 + floor(25 * -5.0999999)
    rig.clear();
    ASSERT_EQ(rig->Refresh(), S_OK);
    const std::vector<int> colours = band_colours(rig.lines());
    ASSERT_EQ(colours.size(), 101u);
    EXPECT_EQ(colours[50], 254);      // 5.1 held as 5.099999904632568
    EXPECT_EQ(colours[51], 255 - 6);  // Mid + floor(-5.0999999)
    EXPECT_EQ(colours[100], 0);
    // The surface's Width is read again for every band's half test.
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Width -> 200"), 2u + 101u);
}

TEST(BarDrawing, NegativeBlueOfASystemColourBecomesZero) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_FillType(p2ColorGradient), S_OK);
    ASSERT_EQ(rig->put_Value(100), S_OK);
    ASSERT_EQ(rig->put_FillColorEnd(0x00FF00), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_FillColorStart(static_cast<OLE_COLOR>(0x800000FFu)), S_OK);
    const std::vector<int> colours = band_colours(rig.lines());
    ASSERT_EQ(colours.size(), 101u);
    for (int c : colours)
        EXPECT_EQ(GetBlue(c), 0) << c;
    EXPECT_EQ(colours.front(), 255);       // red 255, blue -32768 raised to 0
    EXPECT_EQ(colours.back(), 254 * 256);  // red 0, green 254, blue -1 raised to 0
}

TEST(BarDrawing, GradientSkipsAnUnchangedBandIndexButRefreshesTheLabel) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_Value(50), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_Value(50.4f), S_OK);
    EXPECT_EQ(rig.lines(), concat({{
                                       "PropertyChanged \"Value\"",
                                       "picBox.Width -> 200",
                                       "picBox.FillStyle = 0",
                                       "picBox.DrawStyle = 0",
                                       "picBox.Width -> 200",
                                   },
                                   label_text("50%")}));
}

TEST(BarDrawing, RandomFillDrawsThreeValuesPerBandAndItsOwnSkipTest) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_Value(50), S_OK);
    set_random_state(4242);
    rig.clear();
    ASSERT_EQ(rig->put_FillType(pRandom), S_OK);

    // Replay the generator: red, green, blue per band, each u * 255 in single precision.
    set_random_state(4242);
    std::vector<int> expected;
    for (int i = 0; i <= 50; ++i) {
        int ch[3];
        for (int& c : ch)
            c = static_cast<int>(std::nearbyint(static_cast<float>(Rnd() * 255.0)));
        expected.push_back(RGB(ch[0], ch[1], ch[2]));
    }
    const std::uint32_t after_run = random_state();
    EXPECT_EQ(band_colours(rig.lines()), expected);
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line").front(), "picBox.Line 0, 0, 0, 100");

    // A step within the same band still draws band s as a box of zero width, in a new colour.
    set_random_state(after_run);
    rig.clear();
    ASSERT_EQ(rig->put_Value(50.4f), S_OK);
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line"), (Lines{"picBox.Line 100, 0, 100, 100"}));
    const std::uint32_t after_step = random_state();
    set_random_state(after_run);
    for (int k = 0; k < 3; ++k)
        Rnd();
    EXPECT_EQ(after_step, random_state());

    // After a clear, a value below half a band draws one box of zero width at the left edge...
    rig.clear();
    ASSERT_EQ(rig->put_Value(0.2f), S_OK);
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line"), (Lines{"picBox.Line 0, 0, 0, 100"}));
    // ...and Value = Min draws none and takes no random value.
    const std::uint32_t before = random_state();
    rig.clear();
    ASSERT_EQ(rig->put_Value(0), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Line"), 0u);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);
    EXPECT_EQ(random_state(), before);
    EXPECT_EQ(rig.label().caption(), "0%");
}

TEST(BarDrawing, UnknownFillTypeClearsAndFramesButPaintsNothing) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_FillType(9), S_OK);
    EXPECT_EQ(rig.lines(), concat({{
                                       "PropertyChanged \"FillType\"",
                                       "picBox.Width -> 200",
                                       "picBox.Cls",
                                       "picBox.BorderStyle = 0",
                                       "picBox.FillStyle = 0",
                                       "picBox.DrawStyle = 0",
                                   },
                                   label_text("75%")}));
}

TEST(BarDrawing, EmptyRangeFromAStoreDrawsNothingAndKeepsTheCaption) {
    BarRig rig{&create_progress_bar, 200.0f, 100.0f, 0};
    rig.bag().set("Min", Variant(50.0f));
    rig.bag().set("Max", Variant(50.0f));
    ASSERT_EQ(rig.load(), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Width ->"), 0u);
    EXPECT_EQ(rig.label().caption(), "lblText");
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Top"), 1u);  // still placed
}

TEST(BarDrawing, SurfaceOfWidthZeroFailsTheBandRun) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    rig.pic().put_Width(0);
    rig.clear();
    EXPECT_EQ(rig->Refresh(), runtime_error_code(ErrorNumber::Overflow));  // 0 / 0
    EXPECT_EQ(rig.lines().back(), "picBox.Width -> 0");
    ASSERT_EQ(rig->put_FillType(pSingleColor), S_OK);  // one box of nothing is fine
}

}  // namespace
}  // namespace qd::test
