// The pie's properties: defaults, the setters' tests and their notification order, late-bound
// access through IDispatch, and persistence in the property store.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/pie/pie_test_support.h"

namespace qd::test {
namespace {

using progress::_qdProgressPie;
using progress::create_progress_pie;

Lines notifications(const Lines& lines) {
    return lines_starting(lines, "PropertyChanged");
}

template <typename T>
T get(_qdProgressPie* pie, HRESULT (_qdProgressPie::*getter)(T*)) {
    T v{};
    EXPECT_EQ((pie->*getter)(&v), S_OK);
    return v;
}

struct PieProperties : ::testing::Test {
    PieRig rig{&create_progress_pie};
    void SetUp() override {
        ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
        rig.clear();
    }
    float value() { return get(rig.control(), &_qdProgressPie::get_Value); }
};

TEST(PieDefaults, NewInstanceBeforeAnyResize) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    _qdProgressPie* pie = rig.control();
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Value), 75.0f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Min), 0.0f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Max), 100.0f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_LabelType), progress::pPercent);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_LabelPosition), progress::pCenter);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_FillType), progress::p3ColorGradient);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Aspect), 0.75f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_BorderShow), VARIANT_TRUE);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_BorderColor), 0xE0E0E0);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_LabelColor), 0x00FFFF);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_LabelSize), 18);
    EXPECT_TRUE(rig.lines().empty());  // neither event draws or notifies
    EXPECT_EQ(rig.label().caption(), "lblText");
}

TEST_F(PieProperties, ValueAcceptsTheWholeRangeOnlyAndRefusesSilently) {
    ASSERT_EQ(rig->put_Value(100), S_OK);
    EXPECT_EQ(value(), 100.0f);
    for (float refused : {100.5f, -1.0f, NAN}) {
        rig.clear();
        ASSERT_EQ(rig->put_Value(refused), S_OK);
        EXPECT_TRUE(rig.lines().empty()) << refused;
        EXPECT_EQ(value(), 100.0f);
    }
    ASSERT_EQ(rig->put_Value(0), S_OK);
    EXPECT_EQ(value(), 0.0f);
}

TEST_F(PieProperties, BoundsPullValueInAndNeverPushEachOther) {
    ASSERT_EQ(rig->put_Max(0), S_OK);  // equal to Min: refused from either side
    ASSERT_EQ(rig->put_Min(100), S_OK);
    EXPECT_TRUE(rig.lines().empty());

    ASSERT_EQ(rig->put_Max(50), S_OK);  // Value 75 follows down
    EXPECT_EQ(notifications(rig.lines()),
              (Lines{"PropertyChanged \"Max\"", "PropertyChanged \"Value\""}));
    EXPECT_EQ(rig.lines()[2], "picBox.ScaleMode = 3");  // the redraw comes after both
    EXPECT_EQ(value(), 50.0f);
    rig.clear();
    ASSERT_EQ(rig->put_Min(80), S_OK);  // not below Max 50
    EXPECT_TRUE(rig.lines().empty());

    ASSERT_EQ(rig->put_Value(20), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_Min(30), S_OK);
    EXPECT_EQ(notifications(rig.lines()),
              (Lines{"PropertyChanged \"Min\"", "PropertyChanged \"Value\""}));
    EXPECT_EQ(value(), 30.0f);

    rig.clear();
    ASSERT_EQ(rig->put_Max(NAN), S_OK);  // Max refuses a NaN ...
    EXPECT_TRUE(rig.lines().empty());
    ASSERT_EQ(rig->put_Min(NAN), S_OK);  // ... Min only refuses v >= Max, so it takes one
    EXPECT_TRUE(std::isnan(get(rig.control(), &_qdProgressPie::get_Min)));
    EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"Min\""}));  // and the draw returns at once
    rig.clear();
    ASSERT_EQ(rig->Refresh(), S_OK);
    EXPECT_TRUE(rig.lines().empty());
}

TEST_F(PieProperties, LabelSettersTouchOnlyTheLabel) {
    for (std::int16_t refused : {5, -3}) {
        ASSERT_EQ(rig->put_LabelSize(refused), S_OK);
        EXPECT_TRUE(rig.lines().empty());
    }
    ASSERT_EQ(rig->put_LabelSize(6), S_OK);
    ASSERT_EQ(rig->put_LabelColor(0x102030), S_OK);
    EXPECT_EQ(rig.lines(),
              (Lines{"PropertyChanged \"LabelSize\"", "lblText.FontSize = 6",
                     "PropertyChanged \"LabelColor\"", "lblText.ForeColor = 1056816"}));
    rig.clear();
    ASSERT_EQ(rig->put_LabelType(7), S_OK);  // stored unchecked; the caption stays
    EXPECT_EQ(get(rig.control(), &_qdProgressPie::get_LabelType), 7);
    EXPECT_EQ(rig.lines()[0], "PropertyChanged \"LabelType\"");
    EXPECT_EQ(rig.lines()[1], "lblText.FontSize = 6");
    EXPECT_EQ(rig.lines()[2], "lblText.ForeColor = 1056816");
    EXPECT_EQ(rig.lines()[3], "lblText.BackStyle = 0");  // then PlaceLabel
    EXPECT_EQ(count_starting(rig.lines(), "lblText.Caption"), 0u);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 0u);
}

TEST_F(PieProperties, LateBoundAccessByIdentifierAndByName) {
    ComPtr<IDispatch> disp = ComPtr<_qdProgressPie>(rig.control()).query<IDispatch>();
    ASSERT_TRUE(disp);
    ASSERT_EQ(rig->put_Max(200), S_OK);
    const Variant text150("150");
    ASSERT_EQ(disp->Invoke(0x68030000, MemberKind::PropertyPut, &text150, 1, nullptr), S_OK);
    EXPECT_EQ(value(), 150.0f);
    ASSERT_EQ(dispatch_put(disp.get(), "value", Variant("40")), S_OK);
    Variant got;
    ASSERT_EQ(dispatch_get(disp.get(), "Value", &got), S_OK);
    EXPECT_EQ(got, Variant(40.0f));
    EXPECT_EQ(dispatch_put(disp.get(), "Value", Variant("abc")),
              runtime_error_code(ErrorNumber::TypeMismatch));
    ASSERT_EQ(dispatch_get(disp.get(), "BorderShow", &got), S_OK);
    EXPECT_EQ(got, Variant::boolean(true));
    rig.clear();
    ASSERT_EQ(dispatch_call(disp.get(), "Refresh"), S_OK);
    EXPECT_EQ(count_starting(rig.lines(), "picBox.Cls"), 1u);
}

TEST(PiePersistence, WritesEveryKeyInItsOrderWithoutDefaults) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    ASSERT_EQ(rig.write(), S_OK);
    EXPECT_EQ(rig.lines(), (Lines{
                               "store.WriteProperty \"Min\", 0",
                               "store.WriteProperty \"Max\", 100",
                               "store.WriteProperty \"Value\", 75",
                               "store.WriteProperty \"BorderShow\", True",
                               "store.WriteProperty \"BorderWidth\", 1",
                               "store.WriteProperty \"BorderColor\", 14737632",
                               "store.WriteProperty \"FillType\", 2",
                               "store.WriteProperty \"FillColorStart\", 255",
                               "store.WriteProperty \"FillColorMid\", 16711680",
                               "store.WriteProperty \"FillColorEnd\", 65280",
                               "store.WriteProperty \"FillStyle\", 0",
                               "store.WriteProperty \"LabelPosition\", 5",
                               "store.WriteProperty \"LabelType\", 2",
                               "store.WriteProperty \"LabelColor\", 65535",
                               "store.WriteProperty \"LabelSize\", 18",
                               "store.WriteProperty \"Aspect\", 0.75",
                           }));
    // Typed as the fields are: singles, a boolean, 32-bit integers, a 16-bit size.
    EXPECT_EQ(rig.bag().find("Value")->type(), VarType::Float32);
    EXPECT_EQ(rig.bag().find("BorderShow")->type(), VarType::Bool);
    EXPECT_EQ(rig.bag().find("FillType")->type(), VarType::Int32);
    EXPECT_EQ(rig.bag().find("LabelSize")->type(), VarType::Int16);

    // What was written reads back into a second control unchanged.
    PieRig copy{&create_progress_pie};
    for (const auto& e : rig.bag().entries())
        copy.bag().set(e.key, e.value);
    ASSERT_EQ(copy.set_site(), S_OK);
    ASSERT_EQ(copy.read(), S_OK);
    EXPECT_EQ(get(copy.control(), &_qdProgressPie::get_Value), 75.0f);
    EXPECT_EQ(get(copy.control(), &_qdProgressPie::get_LabelPosition), progress::pCenter);
    EXPECT_EQ(get(copy.control(), &_qdProgressPie::get_FillType), progress::p3ColorGradient);
}

TEST(PiePersistence, ReadsInOrderWithItsOwnDefaultsAndNoChecks) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.read(), S_OK);  // an empty store: every key missing
    EXPECT_EQ(rig.lines(), (Lines{
                               "store.ReadProperty \"Min\", 0 -> 0",
                               "store.ReadProperty \"Max\", 100 -> 100",
                               "store.ReadProperty \"Value\", 0 -> 0",
                               "store.ReadProperty \"BorderShow\", True -> True",
                               "store.ReadProperty \"BorderColor\", 14737632 -> 14737632",
                               "store.ReadProperty \"BorderWidth\", 1 -> 1",
                               "store.ReadProperty \"FillType\" -> Empty",
                               "store.ReadProperty \"FillColorStart\", 255 -> 255",
                               "store.ReadProperty \"FillColorMid\", 16711680 -> 16711680",
                               "store.ReadProperty \"FillColorEnd\", 65280 -> 65280",
                               "store.ReadProperty \"FillStyle\", 0 -> 0",
                               "store.ReadProperty \"LabelPosition\", 3 -> 3",
                               "store.ReadProperty \"LabelType\", 1 -> 1",
                               "store.ReadProperty \"LabelColor\", 0 -> 0",
                               "store.ReadProperty \"LabelSize\", 12 -> 12",
                               "store.ReadProperty \"Aspect\", 12 -> 12",
                           }));
    _qdProgressPie* pie = rig.control();
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Value), 0.0f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_FillType), progress::pSingleColor);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_LabelSize), 12);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Aspect), 12.0f);

    // Stored values are taken as they come: Value below Min stays.
    rig.bag().set("Min", Variant(10.0f));
    rig.bag().set("Value", Variant(5.0f));
    rig.bag().set("LabelSize", Variant(std::int16_t{2}));
    ASSERT_EQ(rig.read(), S_OK);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Min), 10.0f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Value), 5.0f);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_LabelSize), 2);
}

TEST(PiePersistence, ReadStopsAtTheFirstFailingKey) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.set_site(), S_OK);
    ASSERT_EQ(rig.init(), S_OK);
    rig.bag().set("Min", Variant(-5.0f));
    rig.bag().set("BorderColor", Variant("grey"));
    rig.bag().set("FillType", Variant(std::int32_t{1}));
    EXPECT_EQ(rig.read(), runtime_error_code(ErrorNumber::TypeMismatch));
    EXPECT_EQ(rig.lines().back(), "store.ReadProperty \"BorderColor\", 14737632 -> \"grey\"");
    _qdProgressPie* pie = rig.control();
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Min), -5.0f);   // read before the failure
    EXPECT_EQ(get(pie, &_qdProgressPie::get_Value), 0.0f);  // the read default
    EXPECT_EQ(get(pie, &_qdProgressPie::get_BorderColor), 0xE0E0E0);
    EXPECT_EQ(get(pie, &_qdProgressPie::get_FillType), 2);  // never reached

    // A store that fails a read stops there too.
    rig.bag().erase("BorderColor");
    rig.fail_at(4, runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(rig.read(), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(rig.lines().size(), 4u);
}

}  // namespace
}  // namespace qd::test
