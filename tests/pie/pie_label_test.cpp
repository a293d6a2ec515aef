// The label's caption and placement, and the resize handler.
#include <gtest/gtest.h>

#include "tests/pie/pie_test_support.h"

namespace qd::test {
namespace {

using progress::create_progress_pie;

struct PieLabel : ::testing::Test {
    PieRig rig{&create_progress_pie};
    void SetUp() override {
        ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
        rig.clear();
    }
    std::string caption() { return rig.label().caption(); }
};

TEST_F(PieLabel, NewControlShowsYellowPercentCentred) {
    host::ModelLabel& l = rig.label();
    EXPECT_EQ(l.caption(), "75%");
    EXPECT_EQ(l.fore_color(), 0x00FFFF);
    EXPECT_EQ(l.font_size(), 18.0f);
    EXPECT_EQ(l.alignment(), 2);
    EXPECT_TRUE(l.visible());
    EXPECT_EQ(l.back_style(), 0);
    EXPECT_FLOAT_EQ(l.left(), 100 - l.width() / 2);
    EXPECT_FLOAT_EQ(l.top(), 50 - l.height() / 2);
}

TEST_F(PieLabel, CaptionsByType) {
    ASSERT_EQ(rig->put_Value(2), S_OK);
    ASSERT_EQ(rig->put_Max(3), S_OK);
    EXPECT_EQ(caption(), "66%");  // floored, not rounded
    ASSERT_EQ(rig->put_Max(100), S_OK);
    ASSERT_EQ(rig->put_Value(0.5f), S_OK);
    EXPECT_EQ(caption(), "0%");
    ASSERT_EQ(rig->put_Min(-10), S_OK);
    ASSERT_EQ(rig->put_Value(-5), S_OK);
    EXPECT_EQ(caption(), "-5%");  // against Max alone, not the range
    ASSERT_EQ(rig->put_LabelType(progress::pValueOnly), S_OK);
    EXPECT_EQ(caption(), "-5");
    ASSERT_EQ(rig->put_Max(50), S_OK);
    ASSERT_EQ(rig->put_Value(12.5f), S_OK);
    ASSERT_EQ(rig->put_LabelType(progress::pFraction), S_OK);
    EXPECT_EQ(caption(), "12.5/50");

    // An unknown type renews size and colour but keeps the caption.
    rig.clear();
    ASSERT_EQ(rig->put_LabelType(3), S_OK);
    EXPECT_EQ(caption(), "12.5/50");
    EXPECT_EQ(count_starting(rig.lines(), "lblText.FontSize"), 1u);
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Caption"), 0u);
}

TEST_F(PieLabel, PercentOfAZeroMaxFailsAndKeepsTheCaption) {
    ASSERT_EQ(rig->put_Min(-10), S_OK);
    ASSERT_EQ(rig->put_Value(-5), S_OK);
    rig.clear();
    EXPECT_EQ(rig->put_Max(0), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(rig.lines().back(), "lblText.ForeColor = 65535");
    EXPECT_EQ(caption(), "-5%");
    float max = 1;
    ASSERT_EQ(rig->get_Max(&max), S_OK);
    EXPECT_EQ(max, 0.0f);  // stored before the draw failed
    EXPECT_EQ(rig->Refresh(), runtime_error_code(ErrorNumber::DivisionByZero));
}

TEST_F(PieLabel, PlacementsOfA40By16LabelOn200By100) {
    rig.label().fix_size_pixels(40, 16);
    ASSERT_EQ(rig->put_LabelPosition(progress::pCenter), S_OK);
    EXPECT_EQ(rig.lines(), concat({"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0"},
                                  centring_lines(200, 40, 80, 100, 16, 42)));
    struct Case {
        std::int32_t position;
        std::int16_t alignment;
        float left, top;
    };
    for (const Case& c :
         {Case{progress::pUpLeft, 0, 3, 3}, Case{progress::pUpRight, 1, 160, 3},
          Case{progress::pLowLeft, 0, 3, 84}, Case{progress::pLowRight, 1, 160, 84}}) {
        ASSERT_EQ(rig->put_LabelPosition(c.position), S_OK);
        EXPECT_EQ(rig.label().alignment(), c.alignment) << c.position;
        EXPECT_EQ(rig.label().left(), c.left) << c.position;
        EXPECT_EQ(rig.label().top(), c.top) << c.position;
    }

    // Odd extents keep the half: a 41 x 17 label centres at 79.5, 41.5.
    rig.label().fix_size_pixels(41, 17);
    ASSERT_EQ(rig->put_LabelPosition(progress::pCenter), S_OK);
    EXPECT_EQ(rig.label().left(), 79.5f);
    EXPECT_EQ(rig.label().top(), 41.5f);

    // Hidden keeps alignment and position; an unknown position only makes it transparent.
    rig.clear();
    ASSERT_EQ(rig->put_LabelPosition(progress::pNone), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0",
                                  "lblText.Visible = False"}));
    rig.clear();
    ASSERT_EQ(rig->put_LabelPosition(9), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0"}));
    EXPECT_FALSE(rig.label().visible());
    EXPECT_EQ(rig.label().left(), 79.5f);
}

TEST_F(PieLabel, SizeChangeDoesNotMoveTheLabelUntilTheNextPlacement) {
    const float left = rig.label().left();
    ASSERT_EQ(rig->put_LabelSize(30), S_OK);
    EXPECT_EQ(rig.label().left(), left);
    ASSERT_EQ(rig.resize(), S_OK);
    EXPECT_LT(rig.label().left(), left);  // a larger label centres further left
}

TEST(PieResize, MinimumSizeAndPictureBoxFit) {
    PieRig rig{&create_progress_pie, 400, 300};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    ASSERT_EQ(rig.resize(), S_OK);
    const Lines head(rig.lines().begin(), rig.lines().begin() + 11);
    EXPECT_EQ(head, (Lines{
                        "control.Width -> 400",
                        "control.Width = 600",
                        "control.Height -> 300",
                        "control.Height = 600",
                        "picBox.Top = 0",
                        "picBox.Left = 0",
                        "control.Width -> 600",
                        "picBox.Width = 600",
                        "control.Height -> 600",
                        "picBox.Height = 600",
                        "picBox.ScaleMode = 3",
                    }));
    EXPECT_EQ(rig.lines().back(), "lblText.Top = " + host::trace_value(rig.label().top()));

    rig.clear();
    ASSERT_EQ(rig.resize(500, 499), S_OK);  // exactly 500 stays
    EXPECT_EQ(rig.site().width(), 500.0f);
    EXPECT_EQ(rig.site().height(), 600.0f);
    EXPECT_EQ(count_starting(rig.lines(), "control.Width ="), 0u);
}

}  // namespace
}  // namespace qd::test
