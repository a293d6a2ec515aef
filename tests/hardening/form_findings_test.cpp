// Form files found by the form fuzz target: what the reader accepts, a save writes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/persist/form_file.h"

namespace qd::test {
namespace {

TEST(FuzzFindings, AFormSectionWhoseNamesASaveCannotWriteIsADamagedLine) {
    const std::string text =
        "[control bar qd#ProgressControls.qdProgressBar 1800 120 3600 450]\n"
        "Max = float32 200\n"
        "[control a]b qdProgressControls.qdProgressPie 0 0 1500 1500]\n"
        "[control pie# qdProgressControls.qdProgressPie 0 0 1500 1500]\n"
        "[control pie qdProgressControls.qdProgressPie 0 0 1500 1500]\n"
        "Value = float32 40\n";
    std::vector<host::FormFileError> errors;
    const host::Form form = host::parse_form(text, "dashboard.qdf", &errors);
    ASSERT_EQ(form.controls.size(), 1u);
    EXPECT_EQ(form.controls[0].name, "pie");
    ASSERT_EQ(errors.size(), 3u);  // the three headers; the key after the first goes with it
    EXPECT_EQ(errors[0].line(), 1);
    // Whatever was read is written back and reads the same.
    const std::string saved = host::format_form(form);
    errors.clear();
    EXPECT_EQ(host::format_form(host::parse_form(saved, "saved.qdf", &errors)), saved);
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace qd::test
