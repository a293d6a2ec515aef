// The single pie's drawing pass, border, gradient, label and resize, checked by the host calls
// it makes on the recording container.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "single_pie_rig.h"

namespace qd {
namespace {

using namespace qd::single;
using test::centring_lines;
using test::CircleCall;
using test::concat;
using test::Lines;
using test::SinglePieRig;

constexpr double kTwoPi = 6.283185307179586;
constexpr double kStep = kTwoPi / 100;

// The new default control laid out at 200 x 200 pixels, its trace cleared.
void start(SinglePieRig& rig) {
    ASSERT_EQ(rig.start_pixels(200, 200), S_OK);
    rig.clear();
}

TEST(SinglePieDrawing, FirstLayoutDrawsBorderThenGradientThenLabel) {
    SinglePieRig rig;
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    rig.label().fix_size_pixels(40, 16);
    ASSERT_EQ(rig.resize_pixels(200, 200), S_OK);
    const Lines& lines = rig.lines();
    const Lines head(lines.begin(), lines.begin() + 23);
    EXPECT_EQ(head, (Lines{
                        "control.Height -> 3000",
                        "control.Width -> 3000",
                        "control.Height = 3000",
                        "control.Width -> 3000",
                        "picBox.Top = 0",
                        "picBox.Left = 0",
                        "control.Width -> 3000",
                        "picBox.Width = 3000",
                        "control.Height -> 3000",
                        "picBox.Height = 3000",
                        "picBox.ScaleMode = 3",
                        "picBox.ScaleWidth -> 200",
                        "picBox.ScaleHeight -> 200",
                        "picBox.Cls",
                        "picBox.DrawWidth = 2",
                        "picBox.DrawStyle = 0",
                        "picBox.FillStyle = 1",
                        "picBox.ForeColor = 13158600",
                        "picBox.DrawMode = 13",
                        "picBox.Circle 100, 100, 95",
                        "picBox.FillStyle = 0",
                        "picBox.DrawStyle = 5",
                        "picBox.FillColor = 16711680",
                    }));
    // 75 % of the circle: bands 0 to 75, each after its own colour.
    EXPECT_EQ(test::circles(lines).size(), 1u + 76u);
    EXPECT_EQ(test::matching(lines, "picBox.FillColor").size(), 76u);
    const Lines tail(lines.end() - 14, lines.end());
    EXPECT_EQ(tail, concat({"lblText.FontSize = 18", "lblText.ForeColor = 65535",
                            "lblText.Caption = \"75%\"", "lblText.BackStyle = 0"},
                           centring_lines(200, 40, 80, 200, 16, 92)));
}

TEST(SinglePieDrawing, FullCircleHas101BandsAndTheSweepEndsAtFE00) {
    SinglePieRig rig;
    start(rig);
    ASSERT_EQ(rig->put_Value(100), S_OK);
    const std::vector<CircleCall> bands = test::circles(rig.lines());
    ASSERT_EQ(bands.size(), 101u) << "no border: the pie grew";
    const Lines colours = test::matching(rig.lines(), "picBox.FillColor");
    ASSERT_EQ(colours.size(), 101u);
    EXPECT_EQ(colours.front(), "picBox.FillColor = 16711680");  // 0xFF0000: StartColor
    EXPECT_EQ(colours[50], "picBox.FillColor = 8355584");       // 0x7F7F00: halfway
    EXPECT_EQ(colours.back(), "picBox.FillColor = 65024");      // 0x00FE00, not 0x00FF00

    for (const CircleCall& c : bands) {
        EXPECT_EQ(c.x, 100.0f);
        EXPECT_EQ(c.y, 100.0f);
        EXPECT_EQ(c.r, 94.0f);
        EXPECT_FALSE(c.aspect);
    }
    // Band 0 reaches 0.05 into band 1; band 1 starts again at 0.0001; band i >= 2 starts at
    // (i - 1) steps.
    EXPECT_EQ(*bands[0].start, -0.0001f);
    EXPECT_EQ(*bands[0].end, -0.05f);
    EXPECT_EQ(*bands[1].start, -0.0001f);
    EXPECT_EQ(*bands[1].end, static_cast<float>(-(kStep + 0.05)));
    EXPECT_EQ(*bands[40].start, static_cast<float>(-(39 * kStep + 0.0001)));
    EXPECT_EQ(*bands[40].end, static_cast<float>(-(40 * kStep + 0.05)));
    // The last band's end, 100 steps, lies a hair above 2 pi and wraps to about 8.9e-16.
    EXPECT_EQ(*bands[100].start, static_cast<float>(-(99 * kStep + 0.0001)));
    EXPECT_LT(*bands[100].end, 0.0f);
    EXPECT_NEAR(*bands[100].end, -8.881784197001252e-16, 1e-22);
    EXPECT_EQ(rig.label().caption(), "100%");

    // Every later pass repaints the whole sweep from angle 0.
    rig.clear();
    ASSERT_EQ(rig->put_Value(100), S_OK);
    EXPECT_EQ(test::circles(rig.lines()).size(), 101u);
}

TEST(SinglePieDrawing, NoBandAtMinAndOneDegenerateBandJustAboveIt) {
    SinglePieRig rig;
    start(rig);
    ASSERT_EQ(rig->put_Value(0), S_OK);
    // The sector shrank: clear, border, and no band at all; the label still follows.
    const std::vector<CircleCall> at_min = test::circles(rig.lines());
    ASSERT_EQ(at_min.size(), 1u);
    EXPECT_EQ(at_min[0].r, 95.0f);
    EXPECT_FALSE(at_min[0].start);
    EXPECT_TRUE(test::contains(rig.lines(), "picBox.Cls"));
    EXPECT_TRUE(test::matching(rig.lines(), "picBox.FillColor").empty());
    EXPECT_EQ(rig.label().caption(), "0%");

    // 0.4 % of the range: BandCount rounds to 0, one band from 0.0001 to -0.
    rig.clear();
    ASSERT_EQ(rig->put_Value(0.4f), S_OK);
    EXPECT_FALSE(test::contains(rig.lines(), "picBox.Cls"));
    const std::vector<CircleCall> one = test::circles(rig.lines());
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(*one[0].start, -0.0001f);
    EXPECT_EQ(*one[0].end, 0.0f);
    EXPECT_TRUE(std::signbit(*one[0].end));
    EXPECT_EQ(test::matching(rig.lines(), "picBox.FillColor"),
              (Lines{"picBox.FillColor = 16711680"}));

    // From 99.5 % on the circle is drawn complete.
    rig.clear();
    ASSERT_EQ(rig->put_Value(99.5f), S_OK);
    EXPECT_EQ(test::circles(rig.lines()).size(), 101u);
}

TEST(SinglePieDrawing, ShrinkingTurnsAPassIntoAFullRedraw) {
    SinglePieRig rig;
    start(rig);
    ASSERT_EQ(rig->put_Value(50), S_OK);
    const Lines down = rig.lines();
    ASSERT_GE(down.size(), 7u);
    EXPECT_EQ(Lines(down.begin(), down.begin() + 7),
              (Lines{"PropertyChanged \"Value\"", "picBox.ScaleMode = 3",
                     "picBox.ScaleWidth -> 200", "picBox.ScaleHeight -> 200", "picBox.Cls",
                     "picBox.DrawWidth = 2", "picBox.DrawStyle = 0"}));
    EXPECT_EQ(test::circles(down).size(), 1u + 51u);

    rig.clear();
    ASSERT_EQ(rig->put_Value(60), S_OK);
    const Lines up = rig.lines();
    EXPECT_FALSE(test::contains(up, "picBox.Cls"));
    EXPECT_TRUE(test::matching(up, "picBox.DrawWidth").empty()) << "no border when growing";
    EXPECT_EQ(test::circles(up).size(), 61u);

    // Equal angle: no shrink, no clearing; Refresh always clears and never places the label.
    rig.clear();
    ASSERT_EQ(rig->put_Value(60), S_OK);
    EXPECT_FALSE(test::contains(rig.lines(), "picBox.Cls"));
    rig.clear();
    ASSERT_EQ(rig->Refresh(), S_OK);
    EXPECT_TRUE(test::contains(rig.lines(), "picBox.Cls"));
    EXPECT_TRUE(test::matching(rig.lines(), "lblText.Left").empty());
}

TEST(SinglePieDrawing, SingleColourDrawsOneSectorOrAWholeDisc) {
    SinglePieRig rig;
    start(rig);
    ASSERT_EQ(rig->put_FillType(ppSingleColor), S_OK);
    const Lines sector = rig.lines();
    const std::vector<CircleCall> figures = test::circles(sector);
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(*figures[1].start, -0.0001f);
    EXPECT_EQ(*figures[1].end, static_cast<float>(-(std::numbers::pi * 1.5)));
    EXPECT_EQ(test::matching(sector, "picBox.FillColor"), (Lines{"picBox.FillColor = 16711680"}));

    rig.clear();
    ASSERT_EQ(rig->put_Value(100), S_OK);
    EXPECT_EQ(test::matching(rig.lines(), "picBox.Circle"), (Lines{"picBox.Circle 100, 100, 94"}));

    // A kind the control does not know paints no fill but still sets the fill state.
    rig.clear();
    ASSERT_EQ(rig->put_FillType(7), S_OK);
    EXPECT_EQ(test::circles(rig.lines()).size(), 1u);  // the border only
    EXPECT_TRUE(test::contains(rig.lines(), "picBox.DrawStyle = 5"));
}

TEST(SinglePieDrawing, BorderWidthRoundsHalfEvenAndCanBeSwitchedOff) {
    SinglePieRig rig;
    start(rig);
    const auto width_for = [&](float w) {
        rig.clear();
        EXPECT_EQ(rig->put_BorderWidth(w), S_OK);
        return test::matching(rig.lines(), "picBox.DrawWidth");
    };
    EXPECT_EQ(width_for(0.5f), (Lines{"picBox.DrawWidth = 1"}));
    EXPECT_EQ(width_for(1.5f), (Lines{"picBox.DrawWidth = 2"}));
    EXPECT_EQ(width_for(2.5f), (Lines{"picBox.DrawWidth = 2"}));
    EXPECT_EQ(width_for(3.5f), (Lines{"picBox.DrawWidth = 4"}));
    // The model surface refuses a width below 1: the pass ends there, before the border.
    rig.clear();
    EXPECT_EQ(rig->put_BorderWidth(-2), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_TRUE(test::circles(rig.lines()).empty());
    EXPECT_EQ(rig->put_BorderWidth(40000), runtime_error_code(ErrorNumber::Overflow));

    rig.clear();
    ASSERT_EQ(rig->put_BorderShow(VARIANT_FALSE), S_OK);
    const Lines off = rig.lines();
    EXPECT_TRUE(test::contains(off, "picBox.Cls"));
    for (const char* member : {"DrawWidth", "DrawMode", "ForeColor"})
        EXPECT_TRUE(test::matching(off, std::string("picBox.") + member).empty()) << member;
    EXPECT_EQ(test::circles(off).size(), 76u);
}

TEST(SinglePieDrawing, ResizeKeepsTheControlSquareAndStopsBelow50) {
    SinglePieRig rig;
    start(rig);
    ASSERT_EQ(rig.resize_pixels(200, 120), S_OK);
    EXPECT_EQ(rig.site().width(), 1800.0f);
    EXPECT_EQ(rig.site().height(), 1800.0f);
    EXPECT_EQ(Lines(rig.lines().begin(), rig.lines().begin() + 3),
              (Lines{"control.Height -> 1800", "control.Width -> 3000", "control.Width = 1800"}));
    EXPECT_EQ(rig.pic().width(), 1800.0f);
    EXPECT_EQ(test::circles(rig.lines())[0].r, 55.0f);  // the border, radius 60 - 6 + 1

    rig.clear();
    ASSERT_EQ(rig.resize(40, 100), S_OK);
    EXPECT_EQ(rig.lines(),
              (Lines{"control.Height -> 100", "control.Width -> 40", "control.Height = 40",
                     "control.Width -> 40", "control.Width = 50", "control.Height = 50"}));
    EXPECT_EQ(rig.site().width(), 50.0f);
    EXPECT_EQ(rig.site().height(), 50.0f);
    EXPECT_EQ(rig.pic().width(), 1800.0f) << "nothing laid out";

    // Exactly 50 lays out and draws.
    rig.clear();
    ASSERT_EQ(rig.resize(50, 80), S_OK);
    EXPECT_EQ(rig.site().height(), 50.0f);
    EXPECT_TRUE(test::contains(rig.lines(), "picBox.Cls"));
}

TEST(SinglePieDrawing, PercentIsTakenAgainstMaxAndFailsOnMaxZero) {
    SinglePieRig rig;
    start(rig);
    ASSERT_EQ(rig->put_Max(3), S_OK);
    ASSERT_EQ(rig->put_Value(2), S_OK);
    EXPECT_EQ(rig.label().caption(), "66%");
    ASSERT_EQ(rig->put_Max(100), S_OK);
    ASSERT_EQ(rig->put_Min(-10), S_OK);
    ASSERT_EQ(rig->put_Value(-5), S_OK);
    EXPECT_EQ(rig.label().caption(), "-5%");
    ASSERT_EQ(rig->put_LabelType(ppValue), S_OK);
    EXPECT_EQ(rig.label().caption(), "-5");
    ASSERT_EQ(rig->put_Value(12.5f), S_OK);
    ASSERT_EQ(rig->put_Max(50), S_OK);
    ASSERT_EQ(rig->put_LabelType(ppFraction), S_OK);
    EXPECT_EQ(rig.label().caption(), "12.5/50");

    ASSERT_EQ(rig->put_LabelType(ppPercent), S_OK);
    ASSERT_EQ(rig->put_Value(-5), S_OK);
    EXPECT_EQ(rig->put_Max(0), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(rig->Refresh(), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(rig.label().caption(), "-10%");
}

}  // namespace
}  // namespace qd
