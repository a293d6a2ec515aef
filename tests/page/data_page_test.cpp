// The Data page on real controls, driven through the host's page site as a property dialog
// drives it: select, type into the fields, apply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/progress_bar.h"
#include "host/page/page_site.h"
#include "pages/data_page.h"
#include "tests/page/model_control.h"
#if defined(QD_HAVE_PIE)
#include "pie/progress_pie.h"
#endif

namespace qd::progress {
namespace {

constexpr HRESULT kTypeMismatch = runtime_error_code(ErrorNumber::TypeMismatch);
static_assert(kTypeMismatch == static_cast<HRESULT>(0x800A000Du));

struct ControlKind {
    const char* name;
    ClassCreator create;
};

float get(IDispatch* control, const char* name) {
    Variant v;
    EXPECT_EQ(dispatch_get(control, name, &v), S_OK);
    return v.to_single();
}

struct Range {
    float min, max, value;
    friend bool operator==(const Range&, const Range&) = default;
};
Range range_of(IDispatch* control) {
    return {get(control, "Min"), get(control, "Max"), get(control, "Value")};
}
void PrintTo(const Range& r, std::ostream* os) {
    *os << "Min " << r.min << ", Max " << r.max << ", Value " << r.value;
}

class DataPageTest : public testing::TestWithParam<ControlKind> {
  protected:
    void SetUp() override {
        ASSERT_EQ(create_data_page(IPropertyPage::iid, page.put_void()), S_OK);
        ASSERT_EQ(site->open(page.get()), S_OK);
    }
    void TearDown() override { site->close(); }

    ComPtr<IDispatch> control() { return test::new_model_control(GetParam().create).control; }
    std::string text(const char* field) {
        std::string t;
        EXPECT_EQ(site->text(field, &t), S_OK);
        return t;
    }
    // Opens the page on `controls`, then types the given texts (empty: leave the field).
    HRESULT edit_and_apply(std::vector<ComPtr<IDispatch>> controls, const char* value,
                           const char* min, const char* max) {
        EXPECT_EQ(site->select(std::move(controls)), S_OK);
        if (*value) {
            EXPECT_EQ(site->set_text("txtValue", value), S_OK);
        }
        if (*min) {
            EXPECT_EQ(site->set_text("txtMin", min), S_OK);
        }
        if (*max) {
            EXPECT_EQ(site->set_text("txtMax", max), S_OK);
        }
        return site->apply();
    }

    ComPtr<IPropertyPage> page;
    ComPtr<host::PageSite> site = host::PageSite::create();
};

TEST_P(DataPageTest, SelectionFillsTheFieldsFromTheFirstControlAndMarksThePageChanged) {
    const auto first = control();
    const auto second = control();
    ASSERT_EQ(dispatch_put(second.get(), "Value", Variant(12.5f)), S_OK);
    EXPECT_FALSE(site->changed());

    ASSERT_EQ(site->select({first, second}), S_OK);
    EXPECT_EQ(text("txtMin"), "0");
    EXPECT_EQ(text("txtMax"), "100");
    EXPECT_EQ(text("txtValue"), "75");
    EXPECT_TRUE(site->changed()) << "filling the fields reports them as changed";

    // A new selection shows the new first control, in the host's text of a number.
    ASSERT_EQ(site->select({second, first}), S_OK);
    EXPECT_EQ(text("txtValue"), "12.5");
}

TEST_P(DataPageTest, ApplyWritesValueThenMinThenMaxThroughTheControlsOwnChecks) {
    // Value 150 is checked against the old Max 100 and refused; Max 200 is taken.
    auto c = control();
    EXPECT_EQ(edit_and_apply({c}, "150", "", "200"), S_OK);
    EXPECT_EQ(range_of(c.get()), (Range{0, 200, 75}));
    EXPECT_FALSE(site->changed());
    EXPECT_EQ(text("txtValue"), "150") << "the refused text stays until the next selection";

    // Min 120 is not below the old Max 100.
    c = control();
    EXPECT_EQ(edit_and_apply({c}, "", "120", "200"), S_OK);
    EXPECT_EQ(range_of(c.get()), (Range{0, 200, 75}));

    // Max alone pulls Value down with it.
    c = control();
    EXPECT_EQ(edit_and_apply({c}, "", "", "50"), S_OK);
    EXPECT_EQ(range_of(c.get()), (Range{0, 50, 50}));

    // A consistent edit inside the old range lands whole; texts convert like any late-bound put.
    c = control();
    EXPECT_EQ(edit_and_apply({c}, " 40.25 ", "-10", "1e2"), S_OK);
    EXPECT_EQ(range_of(c.get()), (Range{-10, 100, 40.25f}));
}

TEST_P(DataPageTest, TextThatIsNotANumberStopsTheApplyAtThatField) {
    // Letters in txtValue: nothing is applied, not even the valid Max after it.
    auto c = control();
    EXPECT_EQ(edit_and_apply({c}, "abc", "", "200"), kTypeMismatch);
    EXPECT_EQ(range_of(c.get()), (Range{0, 100, 75}));
    EXPECT_TRUE(site->changed()) << "a failed apply leaves the edits pending";

    // Letters in txtMax: Value and Min before it are applied.
    c = control();
    EXPECT_EQ(edit_and_apply({c}, "50", "10", "lots"), kTypeMismatch);
    EXPECT_EQ(range_of(c.get()), (Range{10, 100, 50}));

    // An emptied field is no number either.
    c = control();
    ASSERT_EQ(site->select({c}), S_OK);
    ASSERT_EQ(site->set_text("txtMin", ""), S_OK);
    EXPECT_EQ(site->apply(), kTypeMismatch);
    EXPECT_EQ(range_of(c.get()), (Range{0, 100, 75}));
}

TEST_P(DataPageTest, EveryApplySendsAllThreeFieldsEvenUnchanged) {
    const auto c = test::new_model_control(GetParam().create);
    ASSERT_EQ(site->select({c.control}), S_OK);
    c.site->clear_changes();
    ASSERT_EQ(site->apply(), S_OK);
    EXPECT_EQ(c.site->changes(), (std::vector<std::string>{"Value", "Min", "Max"}));
    EXPECT_EQ(range_of(c.control.get()), (Range{0, 100, 75}));
}

TEST_P(DataPageTest, OnlyTheFirstSelectedControlChanges) {
    const auto first = control();
    const auto second = control();
    EXPECT_EQ(edit_and_apply({first, second}, "20", "10", "30"), S_OK);
    EXPECT_EQ(range_of(first.get()), (Range{10, 30, 20}));
    EXPECT_EQ(range_of(second.get()), (Range{0, 100, 75}));
}

std::vector<ControlKind> controls() {
    std::vector<ControlKind> kinds = {{"bar", &create_progress_bar}};
#if defined(QD_HAVE_PIE)
    kinds.push_back({"pie", &create_progress_pie});
#endif
    return kinds;
}

INSTANTIATE_TEST_SUITE_P(Controls, DataPageTest, testing::ValuesIn(controls()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qd::progress
