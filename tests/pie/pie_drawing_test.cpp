// DrawPie and DrawPieBorder as seen from the surface: geometry, Aspect, the single-colour
// sector, full versus incremental passes and the border's pen.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/pie/pie_test_support.h"

namespace qd::test {
namespace {

using progress::create_progress_pie;

// A pie of 200 x 100 pixels with a single-colour fill, Value 20, log cleared.
struct SingleColourPie : ::testing::Test {
    PieRig rig{&create_progress_pie};
    void SetUp() override {
        ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
        ASSERT_EQ(rig->put_FillType(progress::pSingleColor), S_OK);
        ASSERT_EQ(rig->put_Value(20), S_OK);
        rig.clear();
    }
};

TEST_F(SingleColourPie, GrowingValuePaintsTheWholeSectorWithoutClearing) {
    ASSERT_EQ(rig->put_Value(40), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "PropertyChanged \"Value\"",
                               "picBox.ScaleMode = 3",
                               "picBox.ScaleWidth -> 200",
                               "picBox.ScaleHeight -> 100",
                               "picBox.FillStyle = 0",
                               "picBox.DrawStyle = 5",
                               "picBox.FillColor = 255",
                               "picBox.Circle 100, 50, 94, , -0.0001, -2.5132742, 0.5",
                               "lblText.FontSize = 18",
                               "lblText.ForeColor = 65535",
                               "lblText.Caption = \"40%\"",
                           }));
}

TEST_F(SingleColourPie, FallingValueClearsAndDrawsTheBorderFirst) {
    ASSERT_EQ(rig->put_Value(10), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "PropertyChanged \"Value\"",
                               "picBox.ScaleMode = 3",
                               "picBox.ScaleWidth -> 200",
                               "picBox.ScaleHeight -> 100",
                               "picBox.Cls",
                               "picBox.DrawWidth = 1",
                               "picBox.DrawStyle = 0",
                               "picBox.FillStyle = 1",
                               "picBox.ForeColor = 14737632",
                               "picBox.DrawMode = 13",
                               "picBox.Circle 100, 50, 95, , , , 0.5",
                               "picBox.FillStyle = 0",
                               "picBox.DrawStyle = 5",
                               "picBox.FillColor = 255",
                               "picBox.Circle 100, 50, 94, , -0.0001, -0.62831855, 0.5",
                               "lblText.FontSize = 18",
                               "lblText.ForeColor = 65535",
                               "lblText.Caption = \"10%\"",
                           }));
}

TEST_F(SingleColourPie, EndsOfTheRangeAndHalfway) {
    ASSERT_EQ(rig->put_Value(100), S_OK);  // whole ellipse, no radii
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Circle"),
              (Lines{"picBox.Circle 100, 50, 94, , , , 0.5"}));
    rig.clear();
    ASSERT_EQ(rig->put_Value(50), S_OK);  // the upper half: 0.0001 .. pi
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Circle 100, 50, 94"),
              (Lines{"picBox.Circle 100, 50, 94, , -0.0001, -3.1415927, 0.5"}));
    rig.clear();
    ASSERT_EQ(rig->put_Value(0), S_OK);  // a sector ending at a negative zero
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Circle 100, 50, 94"),
              (Lines{"picBox.Circle 100, 50, 94, , -0.0001, -0, 0.5"}));
}

TEST_F(SingleColourPie, AppearanceSettersRedrawInFullRangeSettersIncrementally) {
    ASSERT_EQ(rig->put_Max(200), S_OK);  // the angle shrinks: full pass anyway
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);
    rig.clear();
    ASSERT_EQ(rig->put_Min(-100), S_OK);  // the angle grows: incremental
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
    for (auto put :
         {&progress::_qdProgressPie::put_FillColorStart,
          &progress::_qdProgressPie::put_FillColorMid, &progress::_qdProgressPie::put_FillColorEnd,
          &progress::_qdProgressPie::put_BorderColor}) {
        rig.clear();
        ASSERT_EQ((rig.control()->*put)(0x123456), S_OK);
        EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);
    }
    rig.clear();
    ASSERT_EQ(rig->Refresh(), S_OK);
    EXPECT_EQ(rig.lines().front(), "picBox.ScaleMode = 3");
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Left"), 0u);  // Refresh does not place
}

TEST_F(SingleColourPie, UnknownFillTypeClearsAndBordersButPaintsNothing) {
    ASSERT_EQ(rig->put_FillType(9), S_OK);
    const Lines& l = rig.lines();
    EXPECT_EQ(count_starting(l, "picBox.Cls"), 1u);
    EXPECT_EQ(lines_starting(l, "picBox.Circle"), (Lines{"picBox.Circle 100, 50, 95, , , , 0.5"}));
    EXPECT_EQ(count_starting(l, "picBox.FillColor"), 0u);
    EXPECT_EQ(l.back(), "lblText.Caption = \"20%\"");
}

TEST(PieGeometry, RadiusFollowsTheLongerAxisAndAspectIsRecomputed) {
    PieRig tall{&create_progress_pie};
    ASSERT_EQ(tall.start_pixels(100, 200), S_OK);
    tall.clear();
    ASSERT_EQ(tall->put_FillType(progress::pSingleColor), S_OK);
    EXPECT_EQ(lines_starting(tall.lines(), "picBox.Circle 50, 100, 95"),
              (Lines{"picBox.Circle 50, 100, 95, , , , 2"}));
    float aspect = 0;
    ASSERT_EQ(tall->get_Aspect(&aspect), S_OK);
    EXPECT_EQ(aspect, 2.0f);

    // A set Aspect lasts only until the draw its own setter starts; it then notifies.
    tall.clear();
    ASSERT_EQ(tall->put_Aspect(0.3f), S_OK);
    ASSERT_EQ(tall->get_Aspect(&aspect), S_OK);
    EXPECT_EQ(aspect, 2.0f);
    EXPECT_EQ(tall.lines().front(), "picBox.ScaleMode = 3");
    EXPECT_EQ(tall.lines().back(), "PropertyChanged \"Aspect\"");
    for (float refused : {0.0f, -1.0f, NAN}) {
        tall.clear();
        ASSERT_EQ(tall->put_Aspect(refused), S_OK);
        EXPECT_TRUE(tall.lines().empty());
    }

    // Odd widths round half-even: 101 -> 50, 103 -> 52.
    PieRig odd{&create_progress_pie};
    ASSERT_EQ(odd.start_pixels(101, 103), S_OK);
    EXPECT_EQ(lines_starting(odd.lines(), "picBox.Circle 50, 52, 47,"),
              (Lines{"picBox.Circle 50, 52, 47, , , , 1.04"}));
}

TEST(PieBorder, WidthRoundsHalfEvenAndAtLeastOne) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
    const std::pair<float, const char*> cases[] = {
        {0.0f, "1"}, {0.4f, "1"}, {0.5f, "1"}, {1.5f, "2"}, {2.5f, "2"}, {3.5f, "4"},
    };
    for (const auto& [width, pen] : cases) {
        rig.clear();
        ASSERT_EQ(rig->put_BorderWidth(width), S_OK);
        EXPECT_EQ(lines_starting(rig.lines(), "picBox.DrawWidth"),
                  (Lines{std::string("picBox.DrawWidth = ") + pen}))
            << "BorderWidth " << width;
    }
    // A width the surface refuses fails the draw after the clear, before the border.
    rig.clear();
    EXPECT_EQ(rig->put_BorderWidth(-2), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(rig.lines().back(), "picBox.DrawWidth = -2");
    // Beyond 16 bits: overflow before anything reaches the surface.
    rig.clear();
    EXPECT_EQ(rig->put_BorderWidth(40000), runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(rig.lines().back(), "picBox.Cls");
}

TEST(PieBorder, HiddenBorderSetsNothingOnTheSurface) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_BorderShow(VARIANT_FALSE), S_OK);
    const Lines& l = rig.lines();
    EXPECT_EQ(l[0], "PropertyChanged \"BorderShow\"");
    EXPECT_EQ(l[4], "picBox.Cls");
    EXPECT_EQ(l[5], "picBox.FillStyle = 0");  // straight to the fill attributes
    for (const char* member : {"picBox.DrawWidth", "picBox.ForeColor", "picBox.DrawMode",
                               "picBox.DrawStyle = 0", "picBox.Circle 100, 50, 95"})
        EXPECT_EQ(count_starting(l, member), 0u) << member;
}

TEST(PieDrawing, EmptyRangeFromAStoreDrawsNothingAndKeepsTheCaption) {
    PieRig rig{&create_progress_pie};
    rig.bag().set("Min", Variant(50.0f));
    rig.bag().set("Max", Variant(50.0f));
    ASSERT_EQ(rig.load(), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.ScaleMode"), 0u);
    EXPECT_EQ(rig.label().caption(), "lblText");
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Top"), 1u);  // still placed
}

TEST(PieDrawing, SurfaceOnePixelWideDividesByZero) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    // The resize keeps at least 500 twips, so narrow the surface directly to one pixel.
    rig.pic().put_Width(15);
    rig.clear();
    EXPECT_EQ(rig->Refresh(), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(rig.lines().back(), "picBox.ScaleHeight -> 200");
}

}  // namespace
}  // namespace qd::test
