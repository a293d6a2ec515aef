// The bar's label and layout: captions by LabelType, placement by LabelPosition with vertical
// centring, and the resize handler's minimum size.
#include <gtest/gtest.h>

#include "tests/bar/bar_test_support.h"

namespace qd::test {
namespace {

using namespace progress;

TEST(BarLabel, CaptionsByLabelType) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_LabelType(pFraction), S_OK);
    ASSERT_EQ(rig->put_Max(50), S_OK);
    ASSERT_EQ(rig->put_Value(12.5f), S_OK);
    EXPECT_EQ(rig.label().caption(), "12.5/50");

    ASSERT_EQ(rig->put_LabelType(pValueOnly), S_OK);
    EXPECT_EQ(rig.label().caption(), "12.5");

    ASSERT_EQ(rig->put_LabelType(pPercent), S_OK);
    ASSERT_EQ(rig->put_Max(3), S_OK);
    ASSERT_EQ(rig->put_Value(2), S_OK);
    EXPECT_EQ(rig.label().caption(), "66%");  // floored, not rounded
    ASSERT_EQ(rig->put_Max(100), S_OK);
    ASSERT_EQ(rig->put_Value(0.5f), S_OK);
    EXPECT_EQ(rig.label().caption(), "0%");
    // Min takes no part: the percentage is against Max alone.
    ASSERT_EQ(rig->put_Min(-10), S_OK);
    ASSERT_EQ(rig->put_Value(-5), S_OK);
    EXPECT_EQ(rig.label().caption(), "-5%");

    // An unknown type sets size and colour and keeps the caption.
    rig.clear();
    ASSERT_EQ(rig->put_LabelType(3), S_OK);
    EXPECT_EQ(Lines(rig.lines().begin(), rig.lines().begin() + 4),
              (Lines{"PropertyChanged \"LabelType\"", "lblText.FontSize = 10",
                     "lblText.ForeColor = 65535", "lblText.BackStyle = 0"}));
    EXPECT_EQ(rig.label().caption(), "-5%");
}

// The 200 x 100 surface (pixel scale, origin 0, 0) with a label 40 wide and 16 high.
struct PlacedLabel : ::testing::Test {
    BarRig rig{&create_progress_bar, 3000.0f, 1500.0f, 0};
    void SetUp() override {
        ASSERT_EQ(rig.start(), S_OK);
        ASSERT_EQ(rig->put_BorderStyle(pFlat), S_OK);
        rig.pic().put_ScaleMode(3);  // the container's scale; the bar never changes it
        rig.label().fix_size_pixels(40, 16);
        rig.clear();
    }
    const Lines centred_top = {"picBox.ScaleHeight -> 100", "picBox.ScaleTop -> 0",
                               "lblText.Height -> 16", "lblText.Top = 42"};
};

TEST_F(PlacedLabel, EveryVisiblePositionIsCentredVertically) {
    ASSERT_EQ(rig->put_LabelPosition(bar_position::pLeft), S_OK);
    Lines expected = {"PropertyChanged \"LabelPosition\"",
                      "lblText.BackStyle = 0",
                      "lblText.Alignment = 0",
                      "lblText.Visible = True",
                      "picBox.Left -> 0",
                      "lblText.Left = 3"};
    expected.insert(expected.end(), centred_top.begin(), centred_top.end());
    EXPECT_EQ(rig.lines(), expected);

    rig.clear();
    ASSERT_EQ(rig->put_LabelPosition(bar_position::pRight), S_OK);
    expected = {"PropertyChanged \"LabelPosition\"",
                "lblText.BackStyle = 0",
                "lblText.Alignment = 1",
                "lblText.Visible = True",
                "picBox.ScaleWidth -> 200",
                "picBox.ScaleLeft -> 0",
                "lblText.Width -> 40",
                "lblText.Left = 160"};
    expected.insert(expected.end(), centred_top.begin(), centred_top.end());
    EXPECT_EQ(rig.lines(), expected);

    ASSERT_EQ(rig->put_LabelPosition(bar_position::pCenter), S_OK);
    EXPECT_EQ(rig.label().alignment(), 2);
    EXPECT_EQ(rig.label().left(), 80.0f);
    EXPECT_EQ(rig.label().top(), 42.0f);

    // The left inset is taken from picBox's own Left, not from the scale.
    rig.pic().put_Left(30);
    ASSERT_EQ(rig->put_LabelPosition(bar_position::pLeft), S_OK);
    EXPECT_EQ(rig.label().left(), 33.0f);
}

TEST_F(PlacedLabel, HiddenAndUnknownPositions) {
    ASSERT_EQ(rig->put_LabelPosition(bar_position::pCenter), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_LabelPosition(bar_position::pNone), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0",
                                  "lblText.Visible = False"}));
    EXPECT_EQ(rig.label().alignment(), 2);  // alignment and place kept
    EXPECT_EQ(rig.label().left(), 80.0f);

    rig.clear();
    ASSERT_EQ(rig->put_LabelPosition(7), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0"}));
    EXPECT_FALSE(rig.label().visible());  // stays hidden

    ASSERT_EQ(rig->put_LabelPosition(bar_position::pCenter), S_OK);
    EXPECT_TRUE(rig.label().visible());
    EXPECT_EQ(rig.label().top(), 42.0f);
}

TEST_F(PlacedLabel, FrameAndLabelSizeChangesDoNotMoveTheLabel) {
    rig.pic().put_ScaleMode(1);
    ASSERT_EQ(rig->put_BorderStyle(p3D), S_OK);  // shrinks the inner size
    ASSERT_EQ(rig->put_LabelSize(30), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Left"), 0u);
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Top"), 0u);
}

TEST(BarResize, MinimumSizeThenFullRedrawThenPlacement) {
    BarRig rig{&create_progress_bar, 3000.0f, 1500.0f, 0};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    ASSERT_EQ(rig.resize(40, 40), S_OK);
    const Lines& l = rig.lines();
    EXPECT_EQ(Lines(l.begin(), l.begin() + 11), (Lines{
                                                    "control.Width -> 40",
                                                    "control.Width = 100",
                                                    "control.Height -> 40",
                                                    "control.Height = 100",
                                                    "picBox.Top = 0",
                                                    "picBox.Left = 0",
                                                    "control.Width -> 100",
                                                    "picBox.Width = 100",
                                                    "control.Height -> 100",
                                                    "picBox.Height = 100",
                                                    "picBox.Width -> 100",
                                                }));
    EXPECT_EQ(count_starting(l, "picBox.Cls"), 1u);
    EXPECT_TRUE(l.back().starts_with("lblText.Top = ")) << l.back();  // placed last
    EXPECT_EQ(rig.site().width(), 100.0f);
    EXPECT_EQ(rig.site().height(), 100.0f);

    ASSERT_EQ(rig.resize(50, 49), S_OK);  // exactly 50 stays
    EXPECT_EQ(rig.site().width(), 50.0f);
    EXPECT_EQ(rig.site().height(), 100.0f);
    EXPECT_EQ(rig.pic().width(), 50.0f);
    EXPECT_EQ(rig.pic().height(), 100.0f);
}

}  // namespace
}  // namespace qd::test
