// The bar's state: defaults, the setters' checks and notification orders, and persistence.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/bar/bar_test_support.h"

namespace qd::test {
namespace {

using namespace progress;

TEST(BarProperties, NewInstanceDefaultsBeforeAnyResize) {
    BarRig rig{&create_progress_bar};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    EXPECT_TRUE(rig.lines().empty());  // no notification, no drawing, label untouched
    float f = 0;
    std::int32_t i = 0;
    std::int16_t s = 0;
    rig->get_Value(&f);
    EXPECT_EQ(f, 75.0f);
    rig->get_Min(&f);
    EXPECT_EQ(f, 0.0f);
    rig->get_Max(&f);
    EXPECT_EQ(f, 100.0f);
    rig->get_BorderStyle(&i);
    EXPECT_EQ(i, p3D);
    rig->get_FillType(&i);
    EXPECT_EQ(i, p3ColorGradient);
    rig->get_FillColorStart(&i);
    EXPECT_EQ(i, 0x0000FF);
    rig->get_FillColorMid(&i);
    EXPECT_EQ(i, 0xFF0000);
    rig->get_FillColorEnd(&i);
    EXPECT_EQ(i, 0x00FF00);
    rig->get_FillStyle(&i);
    EXPECT_EQ(i, 0);
    rig->get_LabelPosition(&i);
    EXPECT_EQ(i, bar_position::pCenter);
    rig->get_LabelType(&i);
    EXPECT_EQ(i, pPercent);
    rig->get_LabelColor(&i);
    EXPECT_EQ(i, 0x00FFFF);
    rig->get_LabelSize(&s);
    EXPECT_EQ(s, 10);
    EXPECT_EQ(rig.label().caption(), "lblText");
    EXPECT_EQ(rig->get_Value(nullptr), E_POINTER);
}

TEST(BarProperties, RefusedValuesAreSilentAndKeepTheField) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    EXPECT_EQ(rig->put_Value(100.5f), S_OK);
    EXPECT_EQ(rig->put_Value(-1.0f), S_OK);
    EXPECT_EQ(rig->put_Value(NAN), S_OK);
    EXPECT_EQ(rig->put_Max(0.0f), S_OK);  // equal to Min
    EXPECT_EQ(rig->put_Max(-5.0f), S_OK);
    EXPECT_EQ(rig->put_Max(NAN), S_OK);
    EXPECT_EQ(rig->put_Min(100.0f), S_OK);  // equal to Max
    EXPECT_EQ(rig->put_LabelSize(5), S_OK);
    EXPECT_EQ(rig->put_LabelSize(-3), S_OK);
    EXPECT_TRUE(rig.lines().empty());
    float f = 0;
    std::int16_t s = 0;
    rig->get_Value(&f);
    EXPECT_EQ(f, 75.0f);
    rig->get_Max(&f);
    EXPECT_EQ(f, 100.0f);
    rig->get_Min(&f);
    EXPECT_EQ(f, 0.0f);
    rig->get_LabelSize(&s);
    EXPECT_EQ(s, 10);

    // Both ends of the range and the smallest label size are accepted.
    EXPECT_EQ(rig->put_Value(100.0f), S_OK);
    EXPECT_EQ(rig->put_Value(0.0f), S_OK);
    EXPECT_EQ(rig->put_LabelSize(6), S_OK);
    EXPECT_EQ(rig.site().changes(), (Lines{"Value", "Value", "LabelSize"}));

    // Enumerations are stored without a range check.
    std::int32_t i = 0;
    EXPECT_EQ(rig->put_LabelType(7), S_OK);
    EXPECT_EQ(rig->put_LabelPosition(9), S_OK);
    rig->get_LabelType(&i);
    EXPECT_EQ(i, 7);
    rig->get_LabelPosition(&i);
    EXPECT_EQ(i, 9);
}

TEST(BarProperties, RangeSettersPullValueAndNotifyItSecond) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    float f = 0;

    // Max below Value: "Max" then "Value", then an incremental pass that shows a full bar.
    ASSERT_EQ(rig->put_Max(50.0f), S_OK);
    rig->get_Value(&f);
    EXPECT_EQ(f, 50.0f);
    EXPECT_EQ(rig.lines()[0], "PropertyChanged \"Max\"");
    EXPECT_EQ(rig.lines()[1], "PropertyChanged \"Value\"");
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
    EXPECT_EQ(lines_starting(rig.lines(), "picBox.Line").back(), "picBox.Line 198, 0, 200, 100");
    EXPECT_EQ(rig.label().caption(), "100%");

    // Max raised above Value: only "Max"; the bar got shorter, so the pass clears.
    rig.clear();
    ASSERT_EQ(rig->put_Max(200.0f), S_OK);
    EXPECT_EQ(rig.site().changes().back(), "Max");
    EXPECT_EQ(count_starting(rig.lines(), "PropertyChanged"), 1u);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);

    // Min above Value: "Min" then "Value", Value now equals Min.
    ASSERT_EQ(rig->put_Value(20.0f), S_OK);
    rig.clear();
    rig.site().clear_changes();
    ASSERT_EQ(rig->put_Min(30.0f), S_OK);
    EXPECT_EQ(rig.site().changes(), (Lines{"Min", "Value"}));
    rig->get_Value(&f);
    EXPECT_EQ(f, 30.0f);
    rig->get_Max(&f);
    EXPECT_EQ(f, 200.0f);  // never pushed

    // A not-a-number Min gets through its test; every later draw returns at once.
    rig.clear();
    ASSERT_EQ(rig->put_Min(NAN), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"Min\""}));
    rig.clear();
    ASSERT_EQ(rig->Refresh(), S_OK);
    ASSERT_EQ(rig->put_Value(40.0f), S_OK);  // refused: no comparison with NaN holds
    EXPECT_TRUE(rig.lines().empty());
}

TEST(BarProperties, LabelSettersNeverDraw) {
    FlatBar bar;
    BarRig& rig = bar.rig;
    ASSERT_EQ(rig->put_LabelColor(0x123456), S_OK);
    ASSERT_EQ(rig->put_LabelSize(20), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"LabelColor\"", "lblText.ForeColor = 1193046",
                                  "PropertyChanged \"LabelSize\"", "lblText.FontSize = 20"}));
    rig.clear();
    ASSERT_EQ(rig->put_LabelType(pFraction), S_OK);
    EXPECT_EQ(rig.lines()[0], "PropertyChanged \"LabelType\"");
    EXPECT_EQ(rig.lines()[3], "lblText.Caption = \"75/100\"");
    EXPECT_EQ(rig.lines()[4], "lblText.BackStyle = 0");  // then placed
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Line"), 0u);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
}

TEST(BarPersistence, WritesAllThirteenKeysInOrderWithTheirTypes) {
    BarRig rig{&create_progress_bar};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    ASSERT_EQ(rig.write(), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "store.WriteProperty \"Min\", 0",
                               "store.WriteProperty \"Max\", 100",
                               "store.WriteProperty \"Value\", 75",
                               "store.WriteProperty \"BorderStyle\", 1",
                               "store.WriteProperty \"FillType\", 2",
                               "store.WriteProperty \"FillColorStart\", 255",
                               "store.WriteProperty \"FillColorMid\", 16711680",
                               "store.WriteProperty \"FillColorEnd\", 65280",
                               "store.WriteProperty \"FillStyle\", 0",
                               "store.WriteProperty \"LabelPosition\", 3",
                               "store.WriteProperty \"LabelType\", 2",
                               "store.WriteProperty \"LabelColor\", 65535",
                               "store.WriteProperty \"LabelSize\", 10",
                           }));
    const auto& e = rig.bag().entries();
    ASSERT_EQ(e.size(), 13u);
    EXPECT_EQ(e[0].value.type(), VarType::Float32);
    EXPECT_EQ(e[3].value.type(), VarType::Int32);
    EXPECT_EQ(e[12].value.type(), VarType::Int16);

    // A second bar loads exactly what the first saved.
    BarRig copy{&create_progress_bar};
    for (const auto& entry : e)
        copy.bag().set(entry.key, entry.value);
    ASSERT_EQ(copy.set_site(), S_OK);
    ASSERT_EQ(copy.read(), S_OK);
    copy.clear();
    ASSERT_EQ(copy.write(), S_OK);
    EXPECT_EQ(copy.lines(), rig.lines());
}

TEST(BarPersistence, MissingKeysReadTheirOwnDefaults) {
    BarRig rig{&create_progress_bar};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.read(), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "store.ReadProperty \"Min\", 0 -> 0",
                               "store.ReadProperty \"Max\", 100 -> 100",
                               "store.ReadProperty \"Value\", 0 -> 0",
                               "store.ReadProperty \"BorderStyle\" -> Empty",
                               "store.ReadProperty \"FillType\" -> Empty",
                               "store.ReadProperty \"FillColorStart\", 255 -> 255",
                               "store.ReadProperty \"FillColorMid\", 16711680 -> 16711680",
                               "store.ReadProperty \"FillColorEnd\", 65280 -> 65280",
                               "store.ReadProperty \"FillStyle\", 0 -> 0",
                               "store.ReadProperty \"LabelPosition\", 3 -> 3",
                               "store.ReadProperty \"LabelType\", 1 -> 1",
                               "store.ReadProperty \"LabelColor\", 0 -> 0",
                               "store.ReadProperty \"LabelSize\", 12 -> 12",
                           }));
    std::int32_t i = -1;
    std::int16_t s = 0;
    rig->get_BorderStyle(&i);
    EXPECT_EQ(i, pFlat);
    rig->get_FillType(&i);
    EXPECT_EQ(i, pSingleColor);
    rig->get_LabelType(&i);
    EXPECT_EQ(i, pFraction);
    rig->get_LabelColor(&i);
    EXPECT_EQ(i, 0);
    rig->get_LabelSize(&s);
    EXPECT_EQ(s, 12);
    EXPECT_EQ(rig.label().caption(), "lblText");  // reading touches no label
}

TEST(BarPersistence, ReadTakesValuesUncheckedAndStopsAtABadKey) {
    BarRig rig{&create_progress_bar};
    rig.bag().set("Min", Variant("10"));
    rig.bag().set("Max", Variant(20.0f));
    rig.bag().set("Value", Variant(std::int32_t{500}));  // above Max: kept as it is
    rig.bag().set("FillType", Variant("many"));          // not a number
    ASSERT_EQ(rig.set_site(), S_OK);
    EXPECT_EQ(rig.read(), runtime_error_code(ErrorNumber::TypeMismatch));
    EXPECT_EQ(rig.lines().back(), "store.ReadProperty \"FillType\" -> \"many\"");
    float f = 0;
    std::int32_t i = 0;
    rig->get_Min(&f);
    EXPECT_EQ(f, 10.0f);
    rig->get_Value(&f);
    EXPECT_EQ(f, 500.0f);
    rig->get_BorderStyle(&i);
    EXPECT_EQ(i, pFlat);  // read before the bad key
    rig->get_FillType(&i);
    EXPECT_EQ(i, p3ColorGradient);  // as it was
}

}  // namespace
}  // namespace qd::test
