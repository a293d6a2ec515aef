// The single pie's properties, persistence and lifecycle, checked by the host calls it makes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "single_pie_rig.h"

namespace qd {
namespace {

using namespace qd::single;
using test::centring_lines;
using test::concat;
using test::Lines;
using test::SinglePieRig;

template <typename T>
T get(SinglePieRig& rig, HRESULT (_qdxProgressPie::*getter)(T*)) {
    T v{};
    EXPECT_EQ((rig.control()->*getter)(&v), S_OK);
    return v;
}

TEST(SinglePie, NewInstanceDefaultsAndSetterChecks) {
    SinglePieRig rig;
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    EXPECT_TRUE(rig.lines().empty()) << "initialising neither draws nor notifies";
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 75.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Min), 0.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Max), 100.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderShow), VARIANT_TRUE);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderColor), 0x00C8C8C8);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderWidth), 2.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_FillType), ppGradient);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_StartColor), 0x00FF0000);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_EndColor), 0x0000FF00);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_FillStyle), 0);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelPosition), ppCenter);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelType), ppPercent);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelColor), 0x0000FFFF);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelSize), 18);

    // Refused values: success, and nothing stored, notified or drawn.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(rig->put_Value(100.5f), S_OK);
    EXPECT_EQ(rig->put_Value(-1), S_OK);
    EXPECT_EQ(rig->put_Value(nan), S_OK);
    EXPECT_EQ(rig->put_Max(0), S_OK);  // equal to Min
    EXPECT_EQ(rig->put_Max(nan), S_OK);
    EXPECT_EQ(rig->put_Min(100), S_OK);  // equal to Max
    EXPECT_EQ(rig->put_Min(nan), S_OK);
    EXPECT_EQ(rig->put_LabelSize(5), S_OK);
    EXPECT_EQ(rig->put_LabelSize(-3), S_OK);
    EXPECT_TRUE(rig.lines().empty());
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 75.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Min), 0.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Max), 100.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelSize), 18);

    // Both ends of the range are accepted for Value; 6 for LabelSize, which only resizes text.
    EXPECT_EQ(rig->put_Value(100), S_OK);
    EXPECT_EQ(rig->put_Value(0), S_OK);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 0.0f);
    rig.clear();
    EXPECT_EQ(rig->put_LabelSize(6), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelSize\"", "lblText.FontSize = 6"}));
    rig.clear();
    EXPECT_EQ(rig->put_LabelColor(0x123456), S_OK);
    EXPECT_EQ(rig.lines(),
              (Lines{"PropertyChanged \"LabelColor\"", "lblText.ForeColor = 1193046"}));

    // Enumerated values are stored without a range check.
    EXPECT_EQ(rig->put_FillType(7), S_OK);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_FillType), 7);
    EXPECT_EQ(rig->get_Value(nullptr), E_POINTER);
}

TEST(SinglePie, RangeSettersPullValueAlongAndNotifyInOrder) {
    SinglePieRig rig;
    ASSERT_EQ(rig.start_pixels(200, 200), S_OK);

    rig.clear();
    ASSERT_EQ(rig->put_Max(50), S_OK);
    const Lines max_lines = rig.lines();
    ASSERT_GE(max_lines.size(), 3u);
    EXPECT_EQ(max_lines[0], "PropertyChanged \"Max\"");
    EXPECT_EQ(max_lines[1], "PropertyChanged \"Value\"");
    EXPECT_EQ(max_lines[2], "picBox.ScaleMode = 3");
    EXPECT_FALSE(test::contains(max_lines, "picBox.Cls")) << "the pie grew: no clearing";
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 50.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Max), 50.0f);

    // 80 is not below Max 50: ignored.
    rig.clear();
    ASSERT_EQ(rig->put_Min(80), S_OK);
    EXPECT_TRUE(rig.lines().empty());

    ASSERT_EQ(rig->put_Max(100), S_OK);  // Value stays 50
    rig.clear();
    ASSERT_EQ(rig->put_Min(80), S_OK);
    const Lines min_lines = rig.lines();
    ASSERT_GE(min_lines.size(), 2u);
    EXPECT_EQ(min_lines[0], "PropertyChanged \"Min\"");
    EXPECT_EQ(min_lines[1], "PropertyChanged \"Value\"");
    EXPECT_TRUE(test::contains(min_lines, "picBox.Cls")) << "the sector shrank to 0";
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 80.0f);

    // Value inside the new range is left alone: one notification.
    rig.clear();
    ASSERT_EQ(rig->put_Max(90), S_OK);
    EXPECT_EQ(test::matching(rig.lines(), "PropertyChanged"), (Lines{"PropertyChanged \"Max\""}));
}

TEST(SinglePie, LabelSettersTouchOnlyTheLabel) {
    SinglePieRig rig;
    ASSERT_EQ(rig.start_pixels(200, 200), S_OK);
    rig.label().fix_size_pixels(40, 16);

    rig.clear();
    ASSERT_EQ(rig->put_LabelType(ppFraction), S_OK);
    EXPECT_EQ(rig.lines(), concat(
                               {
                                   "PropertyChanged \"LabelType\"",
                                   "lblText.FontSize = 18",
                                   "lblText.ForeColor = 65535",
                                   "lblText.Caption = \"75/100\"",
                                   "lblText.BackStyle = 0",
                               },
                               centring_lines(200, 40, 80, 200, 16, 92)));

    // An unknown position only makes the label transparent.
    rig.clear();
    ASSERT_EQ(rig->put_LabelPosition(7), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0"}));

    // The corners: right and bottom touch the edge, left and top keep a margin of 3.
    const auto placed = [&](std::int32_t position) {
        rig.clear();
        EXPECT_EQ(rig->put_LabelPosition(position), S_OK);
        return std::make_pair(rig.label().left(), rig.label().top());
    };
    EXPECT_EQ(placed(ppUpRight), std::make_pair(160.0f, 3.0f));
    EXPECT_EQ(rig.label().alignment(), 1);
    EXPECT_EQ(placed(ppLowLeft), std::make_pair(3.0f, 184.0f));
    EXPECT_EQ(rig.label().alignment(), 0);
    EXPECT_EQ(placed(ppLowRight), std::make_pair(160.0f, 184.0f));
    EXPECT_EQ(placed(ppUpLeft), std::make_pair(3.0f, 3.0f));  // picBox's Left and Top + 3
    EXPECT_TRUE(rig.label().visible());
    EXPECT_EQ(placed(ppNone), std::make_pair(3.0f, 3.0f));
    EXPECT_FALSE(rig.label().visible());
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelPosition\"", "lblText.BackStyle = 0",
                                  "lblText.Visible = False"}));
    EXPECT_EQ(placed(ppCenter), std::make_pair(80.0f, 92.0f));
    EXPECT_TRUE(rig.label().visible());

    // An unknown label type sets size and colour but keeps the caption.
    ASSERT_EQ(rig->put_LabelType(3), S_OK);
    EXPECT_EQ(rig.label().caption(), "75/100");
}

TEST(SinglePie, WritesFourteenKeysInItsOwnOrder) {
    SinglePieRig rig;
    ASSERT_EQ(rig.start_pixels(200, 200), S_OK);
    ASSERT_EQ(rig->put_BorderWidth(2.5f), S_OK);
    rig.clear();
    ASSERT_EQ(rig.write(), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "store.WriteProperty \"Min\", 0",
                               "store.WriteProperty \"Max\", 100",
                               "store.WriteProperty \"Value\", 75",
                               "store.WriteProperty \"BorderShow\", True",
                               "store.WriteProperty \"BorderWidth\", 2.5",
                               "store.WriteProperty \"BorderColor\", 13158600",
                               "store.WriteProperty \"FillType\", 1",
                               "store.WriteProperty \"StartColor\", 16711680",
                               "store.WriteProperty \"EndColor\", 65280",
                               "store.WriteProperty \"FillStyle\", 0",
                               "store.WriteProperty \"LabelPosition\", 5",
                               "store.WriteProperty \"LabelType\", 2",
                               "store.WriteProperty \"LabelColor\", 65535",
                               "store.WriteProperty \"LabelSize\", 18",
                           }));
    EXPECT_EQ(rig.bag().find("Value")->type(), VarType::Float32);
    EXPECT_EQ(rig.bag().find("BorderShow")->type(), VarType::Bool);
    EXPECT_EQ(rig.bag().find("LabelSize")->type(), VarType::Int16);
    EXPECT_EQ(rig.bag().find("EndColor")->type(), VarType::Int32);

    // What was written reads back unchanged into a second control.
    SinglePieRig copy;
    for (const auto& e : rig.bag().entries())
        copy.bag().set(e.key, e.value);
    ASSERT_EQ(copy.load(), S_OK);
    EXPECT_EQ(get(copy, &_qdxProgressPie::get_Value), 75.0f);
    EXPECT_EQ(get(copy, &_qdxProgressPie::get_BorderWidth), 2.5f);
    EXPECT_EQ(get(copy, &_qdxProgressPie::get_LabelPosition), ppCenter);
}

TEST(SinglePie, ReadsAStoreThatLacksEveryKeyWithTheReadDefaults) {
    SinglePieRig rig;
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.read(), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "store.ReadProperty \"Min\", 0 -> 0",
                               "store.ReadProperty \"Max\", 100 -> 100",
                               "store.ReadProperty \"Value\", 0 -> 0",
                               "store.ReadProperty \"BorderShow\", True -> True",
                               "store.ReadProperty \"BorderColor\", 255 -> 255",
                               "store.ReadProperty \"BorderWidth\", 2 -> 2",
                               "store.ReadProperty \"FillType\" -> Empty",
                               "store.ReadProperty \"StartColor\", 16777215 -> 16777215",
                               "store.ReadProperty \"EndColor\", 255 -> 255",
                               "store.ReadProperty \"FillStyle\", 0 -> 0",
                               "store.ReadProperty \"LabelPosition\", 3 -> 3",
                               "store.ReadProperty \"LabelType\", 1 -> 1",
                               "store.ReadProperty \"LabelColor\", 0 -> 0",
                               "store.ReadProperty \"LabelSize\", 12 -> 12",
                           }));
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 0.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Max), 100.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_FillType), ppSingleColor);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_StartColor), 0x00FFFFFF);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_EndColor), 0x000000FF);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderColor), 0x000000FF);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderWidth), 2.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderShow), VARIANT_TRUE);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelPosition), ppLowLeft);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelType), ppFraction);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelColor), 0);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelSize), 12);
}

TEST(SinglePie, ReadTrustsTheStoreAndStopsAtAFailingKey) {
    SinglePieRig rig;
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    rig.bag().set("Min", Variant(50.0f));
    rig.bag().set("Max", Variant(std::int16_t{10}));
    rig.bag().set("Value", Variant("300"));
    rig.bag().set("LabelSize", Variant(std::int16_t{2}));
    rig.bag().set("BorderColor", Variant("not a colour"));
    EXPECT_EQ(rig.read(), runtime_error_code(ErrorNumber::TypeMismatch));
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Min), 50.0f);  // no range check on read
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Max), 10.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 300.0f);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderShow), VARIANT_TRUE);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_BorderColor), 0x00C8C8C8);  // kept, read failed
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelSize), 18);            // never reached

    rig.bag().erase("BorderColor");
    ASSERT_EQ(rig.read(), S_OK);
    EXPECT_EQ(get(rig, &_qdxProgressPie::get_LabelSize), 2);
    // An empty range draws nothing and leaves the label's design caption.
    rig.clear();
    ASSERT_EQ(rig.resize_pixels(200, 200), S_OK);
    EXPECT_TRUE(test::matching(rig.lines(), "picBox.Circle").empty());
    EXPECT_TRUE(test::matching(rig.lines(), "picBox.Cls").empty());
    EXPECT_EQ(rig.label().caption(), "lblText");
}

// A failing host call ends the member at that step: nothing after it runs, what came before
// stays done, and the failure comes back as the member's result.
TEST(SinglePie, FailureOnAnyHostCallEndsTheMemberThere) {
    const auto run = [](SinglePieRig& rig) { return rig->put_Value(25); };
    SinglePieRig reference;
    ASSERT_EQ(reference.start_pixels(200, 200), S_OK);
    ASSERT_EQ(reference->put_Value(80), S_OK);
    reference.clear();
    ASSERT_EQ(run(reference), S_OK);
    const Lines all = reference.lines();
    ASSERT_GT(all.size(), 20u);

    for (std::size_t n = 1; n <= all.size(); ++n) {
        SinglePieRig rig;
        ASSERT_EQ(rig.start_pixels(200, 200), S_OK);
        ASSERT_EQ(rig->put_Value(80), S_OK);
        rig.fail_at(n, runtime_error_code(ErrorNumber::InvalidPropertyValue));
        EXPECT_EQ(run(rig), runtime_error_code(ErrorNumber::InvalidPropertyValue)) << n;
        EXPECT_EQ(rig.lines(), Lines(all.begin(), all.begin() + n)) << "failing call " << n;
        // The store precedes the notification, so even a failed notification keeps it.
        EXPECT_EQ(get(rig, &_qdxProgressPie::get_Value), 25.0f);
    }

    // A failure in the middle of the fill leaves the caption as it was.
    SinglePieRig rig;
    ASSERT_EQ(rig.start_pixels(200, 200), S_OK);
    std::size_t circle = 0;
    for (std::size_t i = 0; i < all.size() && !circle; ++i)
        if (all[i].rfind("picBox.Circle", 0) == 0 && i > 10)
            circle = i + 1;
    ASSERT_EQ(rig->put_Value(80), S_OK);
    rig.fail_at(circle);
    EXPECT_EQ(run(rig), E_FAIL);
    EXPECT_EQ(rig.label().caption(), "80%");
}

TEST(SinglePie, MembersBeforeTheSiteFailInsteadOfCrashing) {
    SinglePieRig rig;
    ASSERT_EQ(rig.init(), S_OK);
    EXPECT_EQ(rig->put_Value(10), E_UNEXPECTED);
    EXPECT_EQ(rig->Refresh(), E_UNEXPECTED);
    EXPECT_EQ(rig.resize(), E_UNEXPECTED);
    EXPECT_EQ(rig.events()->SetSite(nullptr), E_POINTER);
}

}  // namespace
}  // namespace qd
