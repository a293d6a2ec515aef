// Failure paths: values the surface refuses, the percentage against a Max of 0, and a host call
// failing at every step of every member that calls the host.
#include <gtest/gtest.h>

#include <functional>

#include "tests/bar/bar_test_support.h"

namespace qd::test {
namespace {

using namespace progress;

constexpr HRESULT kRefused = runtime_error_code(ErrorNumber::InvalidPropertyValue);

TEST(BarFailure, RefusedBorderStyleFailsEveryFullRedrawAfterTheClear) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_BorderStyle(2), kRefused);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"BorderStyle\"", "picBox.Width -> 200",
                                  "picBox.Cls", "picBox.BorderStyle = 2"}));
    std::int32_t stored = 0;
    ASSERT_EQ(rig->get_BorderStyle(&stored), S_OK);
    EXPECT_EQ(stored, 2);
    EXPECT_EQ(rig.label().caption(), "75%");

    // A growing Value sets no frame, so it still draws and renews the caption.
    rig.clear();
    ASSERT_EQ(rig->put_Value(90), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Line"), 16u);  // bands 75 to 90
    EXPECT_EQ(rig.label().caption(), "90%");

    // Refresh and a shrinking Value reach the frame and fail there, caption unchanged.
    EXPECT_EQ(rig->Refresh(), kRefused);
    EXPECT_EQ(rig->put_Value(50), kRefused);
    EXPECT_EQ(rig.label().caption(), "90%");
    rig.clear();
    EXPECT_EQ(rig->put_Value(95), S_OK);  // continues from the length the failed pass stored
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line").front(), "picBox.Line 100, 0, 100, 100");

    ASSERT_EQ(rig->put_BorderStyle(p3D), S_OK);
    EXPECT_EQ(rig.pic().border_style(), 1);

    // Beyond 16 bits the conversion overflows before the surface hears of it.
    rig.clear();
    EXPECT_EQ(rig->put_BorderStyle(70000), runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(rig.lines().back(), "picBox.Cls");
}

TEST(BarFailure, RefusedOrOverflowingFillStyleFailsAfterClearAndFrame) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    EXPECT_EQ(rig->put_FillStyle(9), kRefused);
    EXPECT_EQ(Lines(rig.lines().end() - 3, rig.lines().end()),
              (Lines{"picBox.Cls", "picBox.BorderStyle = 0", "picBox.FillStyle = 9"}));
    rig.clear();
    EXPECT_EQ(rig->put_FillStyle(-40000), runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(rig.lines().back(), "picBox.BorderStyle = 0");
}

TEST(BarFailure, PercentOfAZeroMaxFailsEveryRedrawAndKeepsTheCaption) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_Min(-10), S_OK);
    ASSERT_EQ(rig->put_Value(-5), S_OK);
    ASSERT_EQ(rig.label().caption(), "-5%");
    rig.clear();
    EXPECT_EQ(rig->put_Max(0), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(Lines(rig.lines().end() - 2, rig.lines().end()),
              (Lines{"lblText.FontSize = 10", "lblText.ForeColor = 65535"}));
    EXPECT_EQ(rig->Refresh(), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(rig.resize(), runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(rig.label().caption(), "-5%");
    float max = 1;
    ASSERT_EQ(rig->get_Max(&max), S_OK);
    EXPECT_EQ(max, 0.0f);
}

// Every member that talks to the host, with a value it accepts; each runs on a fresh bar.
struct Operation {
    const char* name;
    std::function<HRESULT(BarRig&)> run;
};

const Operation kOperations[] = {
    {"Value", [](BarRig& r) { return r->put_Value(40); }},
    {"Value up", [](BarRig& r) { return r->put_Value(90); }},
    {"Min", [](BarRig& r) { return r->put_Min(80); }},
    {"Max", [](BarRig& r) { return r->put_Max(50); }},
    {"BorderStyle", [](BarRig& r) { return r->put_BorderStyle(p3D); }},
    {"FillType", [](BarRig& r) { return r->put_FillType(pRandom); }},
    {"FillColorStart", [](BarRig& r) { return r->put_FillColorStart(0x123456); }},
    {"FillColorMid", [](BarRig& r) { return r->put_FillColorMid(0x123456); }},
    {"FillColorEnd", [](BarRig& r) { return r->put_FillColorEnd(0x123456); }},
    {"FillStyle", [](BarRig& r) { return r->put_FillStyle(FillStyle::Cross); }},
    {"LabelPosition", [](BarRig& r) { return r->put_LabelPosition(bar_position::pRight); }},
    {"LabelType", [](BarRig& r) { return r->put_LabelType(pFraction); }},
    {"LabelColor", [](BarRig& r) { return r->put_LabelColor(0); }},
    {"LabelSize", [](BarRig& r) { return r->put_LabelSize(12); }},
    {"Refresh", [](BarRig& r) { return r->Refresh(); }},
    {"Resize", [](BarRig& r) { return r.resize(30, 30); }},
    {"WriteProperties", [](BarRig& r) { return r.write(); }},
    {"ReadProperties", [](BarRig& r) { return r.read(); }},
};

TEST(BarFailure, AHostCallFailingAtAnyStepEndsTheMemberThere) {
    constexpr HRESULT kCode = static_cast<HRESULT>(0x80041234u);
    for (const Operation& op : kOperations) {
        std::size_t total = 0;
        {
            FlatBar bar;
            ASSERT_EQ(op.run(bar.rig), S_OK) << op.name;
            total = bar.rig.lines().size();
            ASSERT_GT(total, 0u) << op.name;
        }
        for (std::size_t n = 1; n <= total; ++n) {
            FlatBar bar;
            bar.rig.fail_at(n, kCode);
            EXPECT_EQ(op.run(bar.rig), kCode) << op.name << " failing at call " << n;
            EXPECT_EQ(bar.rig.lines().size(), n) << op.name << " went on after call " << n;
        }
    }
}

TEST(BarFailure, StepsBeforeAFailureStayDone) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    rig.fail_at(1);  // the notification
    EXPECT_EQ(rig->put_Value(40), E_FAIL);
    float value = 0;
    ASSERT_EQ(rig->get_Value(&value), S_OK);
    EXPECT_EQ(value, 40.0f);  // stored, not drawn
    EXPECT_EQ(rig.lines().size(), 1u);

    // A failed Resize keeps the sizes it set.
    rig.fail_at(3);  // control.Height read
    EXPECT_EQ(rig.resize(30, 30), E_FAIL);
    EXPECT_EQ(rig.site().width(), 100.0f);
    EXPECT_EQ(rig.site().height(), 30.0f);
}

TEST(BarFailure, ControlWithoutASiteFailsInsteadOfCrashing) {
    BarRig rig{&create_progress_bar};
    EXPECT_EQ(rig.init(), S_OK);
    EXPECT_EQ(rig->put_Value(40), E_UNEXPECTED);
    EXPECT_EQ(rig->Refresh(), E_UNEXPECTED);
    EXPECT_EQ(rig.resize(), E_UNEXPECTED);
    EXPECT_EQ(rig.events()->SetSite(nullptr), E_POINTER);
}

}  // namespace
}  // namespace qd::test
