// The recording container the pie's tests stand on: value text, line shapes, failure
// injection, and the model objects' refusals and geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "host/model/control_site.h"
#include "host/model/model_label.h"
#include "host/model/model_picture_box.h"
#include "host/model/property_bag.h"
#include "host/trace/trace_format.h"
#include "host/trace/trace_sink.h"
#include "host/trace/traced_picture_box.h"
#include "host/trace/traced_store.h"

namespace qd::host {
namespace {

using Lines = std::vector<std::string>;

TEST(TraceFormat, ValuesPrintInTheirOwnType) {
    EXPECT_EQ(trace_value(Variant()), "Empty");
    EXPECT_EQ(trace_value(Variant(std::int16_t{-3})), "-3");
    EXPECT_EQ(trace_value(Variant(std::int32_t{0xE0E0E0})), "14737632");
    EXPECT_EQ(trace_value(Variant(-3.14159265358979f)), "-3.1415927");
    EXPECT_EQ(trace_value(Variant(3.14159265358979)), "3.14159265358979");
    EXPECT_EQ(trace_value(Variant(0.1f)), "0.1");  // not the double 0.10000000149011612
    EXPECT_EQ(trace_value(0.0001f), "0.0001");
    EXPECT_EQ(trace_value(1e-5f), "1e-05");
    EXPECT_EQ(trace_value(-0.0f), "-0");
    EXPECT_EQ(trace_value(std::numeric_limits<float>::quiet_NaN()), "NaN");
    EXPECT_EQ(trace_value(-std::numeric_limits<double>::infinity()), "-Inf");
    EXPECT_EQ(trace_value(Variant("say \"hi\"")), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(trace_value(Variant::boolean(true)), "True");
    EXPECT_EQ(trace_bool(0), "False");

    EXPECT_EQ(call_line("picBox", "Circle",
                        {"100", "50", "94", std::nullopt, std::nullopt, std::nullopt, "0.5"}),
              "picBox.Circle 100, 50, 94, , , , 0.5");
    EXPECT_EQ(call_line("picBox", "Circle", {"1", "2", "3", std::nullopt, std::nullopt}),
              "picBox.Circle 1, 2, 3");
    EXPECT_EQ(call_line("picBox", "Cls", {}), "picBox.Cls");
}

TEST(TracedObjects, ReportEveryCallAndFailTheNth) {
    RecordingSink sink;
    ComPtr<ModelPictureBox> model(new ModelPictureBox(3000, 1500));
    ComPtr<TracedPictureBox> pic(new TracedPictureBox(model.get(), sink));

    ASSERT_EQ(pic->put_ScaleMode(3), S_OK);
    float w = 0;
    ASSERT_EQ(pic->get_ScaleWidth(&w), S_OK);
    EXPECT_EQ(pic->put_ScaleMode(2), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    ASSERT_EQ(pic->Circle(1, 2, 3, OptionalColor::none(), OptionalSingle::of(-0.0001f),
                          OptionalSingle::of(-3.1415927f), OptionalSingle::of(0.5f)),
              S_OK);
    EXPECT_EQ(sink.lines(),
              (Lines{"picBox.ScaleMode = 3", "picBox.ScaleWidth -> 200", "picBox.ScaleMode = 2",
                     "picBox.Circle 1, 2, 3, , -0.0001, -3.1415927, 0.5"}));
    EXPECT_EQ(model->scale_mode(), 3);

    // A failed set is not forwarded; a failed read hands back nothing.
    sink.clear();
    sink.fail_at = 1;
    EXPECT_EQ(pic->put_FillColor(255), E_FAIL);
    EXPECT_EQ(model->fill_color(), 0);
    sink.clear();
    sink.fail_at = 1;
    w = -1;
    EXPECT_EQ(pic->get_ScaleWidth(&w), E_FAIL);
    EXPECT_EQ(w, -1.0f);
    EXPECT_EQ(sink.lines(), (Lines{"picBox.ScaleWidth -> 200"}));

    sink.clear();
    sink.fail_at = 0;
    ComPtr<PropertyBag> bag(new PropertyBag());
    ComPtr<TracedStore> store(new TracedStore(bag.get(), sink));
    ASSERT_EQ(store->WriteProperty("Caption", Variant("75%")), S_OK);
    Variant out;
    const Variant zero(std::int16_t{0});
    ASSERT_EQ(store->ReadProperty("caption", &zero, &out), S_OK);
    ASSERT_EQ(store->ReadProperty("Missing", nullptr, &out), S_OK);
    EXPECT_EQ(sink.lines(), (Lines{"store.WriteProperty \"Caption\", \"75%\"",
                                   "store.ReadProperty \"caption\", 0 -> \"75%\"",
                                   "store.ReadProperty \"Missing\" -> Empty"}));
}

TEST(ModelPictureBox, ScaleBorderAndRefusedValues) {
    ComPtr<ModelPictureBox> pic(new ModelPictureBox(3000, 1500));
    EXPECT_EQ(pic->scale_width(), 3000.0f);  // twips until told otherwise
    ASSERT_EQ(pic->put_ScaleMode(3), S_OK);
    EXPECT_EQ(pic->scale_width(), 200.0f);
    ASSERT_EQ(pic->put_BorderStyle(1), S_OK);  // two pixels each side
    EXPECT_EQ(pic->scale_width(), 196.0f);
    EXPECT_EQ(pic->scale_height(), 96.0f);

    const HRESULT invalid = runtime_error_code(ErrorNumber::InvalidPropertyValue);
    EXPECT_EQ(pic->put_ScaleMode(0), invalid);
    EXPECT_EQ(pic->put_BorderStyle(2), invalid);
    EXPECT_EQ(pic->put_FillStyle(8), invalid);
    EXPECT_EQ(pic->put_DrawStyle(7), invalid);
    EXPECT_EQ(pic->put_DrawMode(0), invalid);
    EXPECT_EQ(pic->put_DrawMode(17), invalid);
    EXPECT_EQ(pic->put_DrawWidth(0), invalid);
    EXPECT_EQ(pic->put_Width(-1), invalid);
    EXPECT_EQ(pic->scale_mode(), 3);

    const auto circle = [&](float start) {
        return pic->Circle(0, 0, 1, OptionalColor::none(), OptionalSingle::of(start),
                           OptionalSingle::of(-1), OptionalSingle::none());
    };
    EXPECT_EQ(circle(-static_cast<float>(2 * std::numbers::pi)), S_OK);  // 2 pi as a single
    EXPECT_EQ(circle(6.3f), runtime_error_code(ErrorNumber::InvalidProcedureCall));
    EXPECT_EQ(circle(NAN), runtime_error_code(ErrorNumber::InvalidProcedureCall));
}

TEST(ModelLabel, SizeFollowsCaptionAndFontInTheParentsScale) {
    ComPtr<ModelPictureBox> pic(new ModelPictureBox(3000, 1500));
    ComPtr<ModelLabel> label(new ModelLabel(pic.get()));
    EXPECT_EQ(label->caption(), "lblText");
    ASSERT_EQ(label->put_FontSize(18), S_OK);
    ASSERT_EQ(label->put_Caption("75%"), S_OK);
    EXPECT_FLOAT_EQ(label->width(), 43.2f * 15);  // twips while the box is in twips
    ASSERT_EQ(pic->put_ScaleMode(3), S_OK);
    EXPECT_FLOAT_EQ(label->width(), 43.2f);
    EXPECT_FLOAT_EQ(label->height(), 28.8f);
    ASSERT_EQ(label->put_Caption(""), S_OK);  // at least one character wide
    EXPECT_FLOAT_EQ(label->width(), 14.4f);
    EXPECT_EQ(label->put_FontSize(0), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(label->put_FontSize(2161), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(label->font_size(), 18.0f);
}

TEST(PropertyBag, KeepsFirstInsertionOrderAndReadsDefaults) {
    ComPtr<PropertyBag> bag(new PropertyBag());
    ASSERT_EQ(bag->WriteProperty("Min", Variant(0.0f)), S_OK);
    ASSERT_EQ(bag->WriteProperty("Max", Variant(100.0f)), S_OK);
    ASSERT_EQ(bag->WriteProperty("MIN", Variant(5.0f)), S_OK);  // replaced where it stands
    ASSERT_EQ(bag->entries().size(), 2u);
    EXPECT_EQ(bag->entries()[0].key, "Min");
    EXPECT_EQ(bag->entries()[0].value, Variant(5.0f));

    Variant out;
    const Variant deflt(std::int16_t{12});
    ASSERT_EQ(bag->ReadProperty("Max", &deflt, &out), S_OK);
    EXPECT_EQ(out, Variant(100.0f));
    ASSERT_EQ(bag->ReadProperty("Aspect", &deflt, &out), S_OK);
    EXPECT_EQ(out, deflt);
    ASSERT_EQ(bag->ReadProperty("Aspect", nullptr, &out), S_OK);
    EXPECT_TRUE(out.is_empty());
    EXPECT_TRUE(bag->erase("max"));
    EXPECT_EQ(bag->find("Max"), nullptr);
}

}  // namespace
}  // namespace qd::host

namespace qd::host {
namespace {

TEST(ControlSiteNotifications, ALongLivedSiteStopsKeepingNamesButStillReportsThem) {
    ComPtr<ModelPictureBox> box(new ModelPictureBox());
    ComPtr<ModelLabel> label(new ModelLabel(box.get()));
    ComPtr<ControlSite> site(new ControlSite(3000, 3000, box.get(), label.get()));
    int seen = 0;
    site->on_property_changed([&](std::string_view) { ++seen; });
    site->PropertyChanged("Value");
    EXPECT_EQ(site->changes(), std::vector<std::string>{"Value"});
    site->keep_changes(false);
    EXPECT_TRUE(site->changes().empty());
    for (int i = 0; i < 1000; ++i)
        site->PropertyChanged("Value");
    EXPECT_TRUE(site->changes().empty());
    EXPECT_EQ(seen, 1001);
}

}  // namespace
}  // namespace qd::host

namespace qd::host {
namespace {

// Tracing off: the decorators forward every call without forming its line.
class QuietSink final : public TraceSink {
  public:
    HRESULT on_call(std::string_view) override {
        ++calls;
        return E_FAIL;  // would fail every call, were it asked
    }
    bool wants_lines() const override { return false; }
    int calls = 0;
};

TEST(TracedObjects, ASinkThatWantsNoLinesIsNeverAskedAndCallsGoThrough) {
    QuietSink sink;
    ComPtr<ModelPictureBox> box(new ModelPictureBox(3000, 1500));
    ComPtr<IPictureBox> traced(new TracedPictureBox(box.get(), sink));
    EXPECT_EQ(traced->put_ScaleMode(3), S_OK);
    EXPECT_EQ(box->scale_mode(), 3);
    float w = 0;
    EXPECT_EQ(traced->get_ScaleWidth(&w), S_OK);
    EXPECT_EQ(w, 200.0f);
    EXPECT_EQ(traced->put_FillStyle(9), runtime_error_code(ErrorNumber::InvalidPropertyValue));
    EXPECT_EQ(traced->Circle(100, 50, 40, OptionalColor::none(), OptionalSingle::none(),
                             OptionalSingle::none(), OptionalSingle::of(0.5f)),
              S_OK);
    EXPECT_EQ(sink.calls, 0);
}

}  // namespace
}  // namespace qd::host
