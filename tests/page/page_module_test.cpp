// The Data page as a host gets it: from the qdProgressControls module through its class
// factory, editing a control across the module boundary.
#include <gtest/gtest.h>

#include <string>

#include "bar/progress_bar.h"
#include "host/loader/loader.h"
#include "host/page/page_site.h"
#include "tests/page/model_control.h"

namespace qd::progress {
namespace {

TEST(DataPageModule, PageFromTheLibraryEditsAControlByName) {
    const std::string module = QD_MODULE_PATH;
    {
        const auto page = host::create_object<IPropertyPage>(module + ":Data");
        ASSERT_TRUE(page);
        const PageLayout* layout = nullptr;
        ASSERT_EQ(page->GetLayout(&layout), S_OK);
        EXPECT_STREQ(layout->caption, "Data");
        EXPECT_EQ(layout->width, 5925);
        EXPECT_EQ(layout->height, 3495);

        const auto site = host::PageSite::create();
        ASSERT_EQ(site->open(page.get()), S_OK);
        const auto bar = test::new_model_control(&create_progress_bar);
        ASSERT_EQ(site->select({bar.control}), S_OK);
        std::string text;
        ASSERT_EQ(site->text("txtValue", &text), S_OK);
        EXPECT_EQ(text, "75");

        ASSERT_EQ(site->set_text("txtMax", "200"), S_OK);
        ASSERT_EQ(site->apply(), S_OK);
        Variant max;
        ASSERT_EQ(dispatch_get(bar.control.get(), "Max", &max), S_OK);
        EXPECT_EQ(max.to_single(), 200);

        ASSERT_EQ(site->set_text("txtValue", "x"), S_OK);
        EXPECT_EQ(site->apply(), runtime_error_code(ErrorNumber::TypeMismatch));

        site->close();
        EXPECT_EQ(host::load_library(module)->can_unload_now(), S_FALSE) << "the page is alive";
    }
    EXPECT_EQ(host::load_library(module)->can_unload_now(), S_OK);
}

}  // namespace
}  // namespace qd::progress
