// The order in which the Data page asks its site for things, and what a failing site call
// leaves done. A scripted site logs every call, forwards it to a real site and fails the Nth.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/progress_bar.h"
#include "host/page/page_site.h"
#include "pages/data_page.h"
#include "pages/data_page_layout.h"
#include "tests/page/model_control.h"

namespace qd::progress {
namespace {

using Calls = std::vector<std::string>;

class ScriptedSite final : public ComObject<ScriptedSite, IPageSite> {
  public:
    explicit ScriptedSite(IPageSite* inner) : inner_(inner) {}

    HRESULT get_SelectedControls(ISelectedControls** out) override {
        return step("SelectedControls") ? inner_->get_SelectedControls(out) : fail(out);
    }
    HRESULT get_Changed(VARIANT_BOOL* out) override {
        return step("get Changed") ? inner_->get_Changed(out) : E_FAIL;
    }
    HRESULT put_Changed(VARIANT_BOOL v) override {
        return step("Changed") ? inner_->put_Changed(v) : E_FAIL;
    }
    HRESULT get_Field(const char* name, ITextField** out) override {
        return step(std::string("Field ") + name) ? inner_->get_Field(name, out) : fail(out);
    }

    Calls calls;
    std::size_t fail_at = 0;  // 1-based call number that fails; 0 never

  private:
    bool step(std::string call) {
        calls.push_back(std::move(call));
        return calls.size() != fail_at;
    }
    template <typename T>
    static HRESULT fail(T** out) {
        *out = nullptr;
        return E_FAIL;
    }
    ComPtr<IPageSite> inner_;
};

class PageSiteOrderTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(create_data_page(IPropertyPage::iid, page.put_void()), S_OK);
        ASSERT_EQ(site->open(page.get()), S_OK);
        bar = test::new_model_control(&create_progress_bar).control;
        // The page talks to the scripted site; the fields still report to the page.
        ASSERT_EQ(page->SetPageSite(scripted.get()), S_OK);
    }
    void TearDown() override { site->close(); }

    std::string text(const char* field) {
        std::string t;
        EXPECT_EQ(site->text(field, &t), S_OK);
        return t;
    }
    float get(const char* name) {
        Variant v;
        EXPECT_EQ(dispatch_get(bar.get(), name, &v), S_OK);
        return v.to_single();
    }

    ComPtr<IPropertyPage> page;
    ComPtr<host::PageSite> site = host::PageSite::create();
    ComPtr<ScriptedSite> scripted{new ScriptedSite(site.get())};
    ComPtr<IDispatch> bar;
};

TEST_F(PageSiteOrderTest, SelectionAsksForTheSelectionAgainForEachField) {
    ASSERT_EQ(site->select({bar}), S_OK);
    EXPECT_EQ(scripted->calls,
              (Calls{"SelectedControls", "Field txtValue", "Changed", "SelectedControls",
                     "Field txtMin", "Changed", "SelectedControls", "Field txtMax", "Changed"}));

    // Texts that did not change raise no change handler.
    scripted->calls.clear();
    ASSERT_EQ(page->SelectionChanged(), S_OK);
    EXPECT_EQ(scripted->calls, (Calls{"SelectedControls", "Field txtValue", "SelectedControls",
                                      "Field txtMin", "SelectedControls", "Field txtMax"}));
}

TEST_F(PageSiteOrderTest, ApplyReadsEachFieldBeforeTakingTheSelection) {
    ASSERT_EQ(site->select({bar}), S_OK);
    scripted->calls.clear();
    ASSERT_EQ(site->apply(), S_OK);
    EXPECT_EQ(scripted->calls, (Calls{"Field txtValue", "SelectedControls", "Field txtMin",
                                      "SelectedControls", "Field txtMax", "SelectedControls"}));
}

TEST_F(PageSiteOrderTest, AFailingSiteCallEndsTheHandlerWithWhatCameBeforeLeftDone) {
    // The second selection request fails: txtValue is filled, the others are not.
    scripted->fail_at = 4;
    EXPECT_EQ(site->select({bar}), E_FAIL);
    EXPECT_EQ(text("txtValue"), "75");
    EXPECT_EQ(text("txtMin"), "");
    EXPECT_EQ(scripted->calls.size(), 4u);

    // The Changed flag fails inside txtValue's change handler: the text is in, the fill ends.
    scripted->fail_at = 0;
    ASSERT_EQ(site->set_text("txtValue", "1"), S_OK);
    scripted->calls.clear();
    scripted->fail_at = 3;
    EXPECT_EQ(page->SelectionChanged(), E_FAIL);
    EXPECT_EQ(scripted->calls, (Calls{"SelectedControls", "Field txtValue", "Changed"}));
    EXPECT_EQ(text("txtValue"), "75");
    EXPECT_EQ(text("txtMin"), "");

    // Apply: the selection for txtMin fails after Value went through.
    scripted->fail_at = 0;
    ASSERT_EQ(site->set_text("txtValue", "30"), S_OK);
    ASSERT_EQ(site->set_text("txtMin", "20"), S_OK);
    scripted->calls.clear();
    scripted->fail_at = 4;
    EXPECT_EQ(site->apply(), E_FAIL);
    EXPECT_FLOAT_EQ(get("Value"), 30);
    EXPECT_FLOAT_EQ(get("Min"), 0);
}

TEST(DataPage, ReportsMisuseInsteadOfCrashing) {
    ComPtr<IPropertyPage> page;
    ASSERT_EQ(create_data_page(IPropertyPage::iid, page.put_void()), S_OK);
    // Not yet placed in a site.
    EXPECT_EQ(page->SelectionChanged(), E_UNEXPECTED);
    EXPECT_EQ(page->ApplyChanges(), E_UNEXPECTED);
    EXPECT_EQ(page->FieldChanged("txtValue"), E_UNEXPECTED);
    EXPECT_EQ(page->FieldChanged("lblMax"), E_INVALIDARG);

    // Placed, but nothing selected, or an empty selection.
    const auto site = host::PageSite::create();
    ASSERT_EQ(site->open(page.get()), S_OK);
    EXPECT_EQ(page->SelectionChanged(), E_UNEXPECTED);
    EXPECT_TRUE(failed(site->select({})));
    site->close();

    // The page is reachable as its dual interface too, which has no members of its own.
    EXPECT_TRUE(static_cast<bool>(page.query<_Data>()));
}

TEST(DataPage, LayoutListsSevenChildrenInTabOrderAndA48PixelPicture) {
    const PageLayout& layout = kDataPageLayout;
    EXPECT_STREQ(layout.caption, "Data");
    ASSERT_EQ(layout.child_count, 7u);
    std::string names;
    for (std::size_t i = 0; i < layout.child_count; ++i) {
        EXPECT_EQ(layout.children[i].tab_index, static_cast<std::int16_t>(i));
        names += std::string(layout.children[i].name) + " ";
    }
    EXPECT_EQ(names, "lblMax txtMax lblMin txtMin lblValue txtValue Picture1 ");

    const BitmapDesc& pic = *layout.picture;
    EXPECT_EQ(pic.width, 48);
    EXPECT_EQ(pic.height, 48);
    EXPECT_EQ(pic.bits_per_pixel, 8);
    EXPECT_EQ(pic.palette_size, 256u);
    std::vector<bool> used(256);
    for (int i = 0; i < 48 * 48; ++i)
        used[pic.pixels[i]] = true;
    EXPECT_GE(std::count(used.begin(), used.end(), true), 20) << "a picture, not a blank";
}

}  // namespace
}  // namespace qd::progress
