// A host that breaks the rules of the game (members before SetSite, null pointers where an
// object or an out parameter belongs) gets a failure code from every control, never a crash,
// and the control still starts normally afterwards.
#include <gtest/gtest.h>

#include "bar/progress_bar.h"
#include "pie/progress_pie.h"
#include "singlepie/single_pie.h"
#include "tests/support/control_rig.h"

namespace qd::test {
namespace {

TEST(Misuse, UnsitedControlsAndNullPointersGiveFailureCodes) {
    const CreateFn creators[] = {&progress::create_progress_pie, &progress::create_progress_bar,
                                 &single::create_single_pie};
    for (const CreateFn create : creators) {
        ControlRig<IDispatch> rig{create};
        IDispatch* d = rig.control();
        IControl* events = rig.events();
        // Before SetSite: whatever needs the container fails.
        EXPECT_TRUE(failed(dispatch_call(d, "Refresh")));
        EXPECT_TRUE(failed(events->Resize()));
        EXPECT_EQ(events->InitProperties(), S_OK);  // fields only
        EXPECT_TRUE(failed(dispatch_put(d, "Value", Variant(3.0f))));
        EXPECT_TRUE(failed(events->Resize()));
        // Null objects and out parameters.
        EXPECT_EQ(events->SetSite(nullptr), E_POINTER);
        EXPECT_EQ(events->ReadProperties(nullptr), E_POINTER);
        EXPECT_EQ(events->WriteProperties(nullptr), E_POINTER);
        std::int32_t id = 0;
        EXPECT_EQ(d->GetIDsOfNames(nullptr, &id), E_POINTER);
        EXPECT_EQ(d->GetIDsOfNames("Value", nullptr), E_POINTER);
        EXPECT_EQ(d->GetTypeInfo(nullptr), E_POINTER);
        ASSERT_EQ(d->GetIDsOfNames("Value", &id), S_OK);
        EXPECT_EQ(d->Invoke(id, MemberKind::PropertyPut, nullptr, 1, nullptr), E_INVALIDARG);
        EXPECT_EQ(d->Invoke(id, MemberKind::PropertyPut, nullptr, -1, nullptr), E_INVALIDARG);
        // Then the container plays by the rules.
        EXPECT_EQ(rig.start_pixels(120, 80), S_OK);
        EXPECT_EQ(dispatch_put(d, "Value", Variant(30.0f)), S_OK);
        EXPECT_EQ(dispatch_call(d, "Refresh"), S_OK);
    }
}

}  // namespace
}  // namespace qd::test
