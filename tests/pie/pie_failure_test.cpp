// A host call that fails ends the member at that call and comes back as its result: a
// recording sink fails call N, for every N a member makes.
#include <gtest/gtest.h>

#include <functional>

#include "tests/pie/pie_test_support.h"

namespace qd::test {
namespace {

using progress::_qdProgressPie;
using progress::create_progress_pie;

struct Scenario {
    const char* name;
    std::function<void(PieRig&)> prepare;  // after start, not logged
    std::function<HRESULT(PieRig&)> run;
};

TEST(PieFailures, EveryHostCallOfAMemberCanFailItThere) {
    const HRESULT code = runtime_error_code(ErrorNumber::InvalidPropertyValue);
    const auto fill = [](std::int32_t type) {
        return [type](PieRig& r) { ASSERT_EQ(r->put_FillType(type), S_OK); };
    };
    const Scenario scenarios[] = {
        {"Value grows, bands", fill(progress::p3ColorGradient),
         [](PieRig& r) { return r->put_Value(80); }},
        {"Value falls, single colour", fill(progress::pSingleColor),
         [](PieRig& r) { return r->put_Value(10); }},
        {"Max pulls Value", fill(progress::pRandom), [](PieRig& r) { return r->put_Max(50); }},
        {"Aspect draws then notifies", fill(progress::pSingleColor),
         [](PieRig& r) { return r->put_Aspect(2); }},
        {"LabelType", fill(progress::pSingleColor),
         [](PieRig& r) { return r->put_LabelType(progress::pFraction); }},
        {"Refresh", fill(progress::p2ColorGradient), [](PieRig& r) { return r->Refresh(); }},
        {"Resize", fill(progress::pSingleColor), [](PieRig& r) { return r.resize(400, 300); }},
        {"WriteProperties", fill(progress::pSingleColor), [](PieRig& r) { return r.write(); }},
    };
    for (const Scenario& s : scenarios) {
        std::size_t calls = 0;
        {
            PieRig rig{&create_progress_pie};
            ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
            s.prepare(rig);
            rig.clear();
            ASSERT_EQ(s.run(rig), S_OK) << s.name;
            calls = rig.lines().size();
            ASSERT_GT(calls, 0u) << s.name;
        }
        for (std::size_t n = 1; n <= calls; ++n) {
            PieRig rig{&create_progress_pie};
            ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
            s.prepare(rig);
            rig.fail_at(n, code);
            EXPECT_EQ(s.run(rig), code) << s.name << ", call " << n;
            EXPECT_EQ(rig.lines().size(), n) << s.name << ": nothing after call " << n;
        }
    }
}

TEST(PieFailures, StepsBeforeTheFailureStayDone) {
    PieRig rig{&create_progress_pie};
    ASSERT_EQ(rig.start_pixels(200, 100), S_OK);
    const HRESULT code = runtime_error_code(ErrorNumber::InvalidPropertyValue);

    rig.fail_at(1, code);  // the notification: stored, not drawn
    EXPECT_EQ(rig->put_Value(30), code);
    float v = 0;
    ASSERT_EQ(rig->get_Value(&v), S_OK);
    EXPECT_EQ(v, 30.0f);
    EXPECT_EQ(rig.label().caption(), "75%");

    rig.fail_at(0);
    ASSERT_EQ(rig->Refresh(), S_OK);
    rig.clear();
    ASSERT_EQ(rig->put_Aspect(3), S_OK);
    const std::size_t draw_calls = rig.lines().size() - 1;
    rig.fail_at(draw_calls, code);  // the last call of the draw: no notification follows
    EXPECT_EQ(rig->put_Aspect(3), code);
    EXPECT_EQ(count_starting(rig.lines(), "PropertyChanged"), 0u);
    ASSERT_EQ(rig->get_Aspect(&v), S_OK);
    EXPECT_EQ(v, 0.5f);  // step 6 of the draw already ran
}

}  // namespace
}  // namespace qd::test
