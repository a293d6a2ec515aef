// Inputs the fuzz targets under fuzz/ found remarkable, kept so that what they showed stays so.
#include <gtest/gtest.h>

#include "foundation/number_text.h"
#include "foundation/result.h"

namespace qd::test {
namespace {

// A decimal beyond the double range is still a number, one too large: the readers agree that
// it is a number and both raise the overflow error rather than the type mismatch.
TEST(FuzzFindings, ANumberBeyondTheDoubleRangeIsANumberThatOverflows) {
    const HRESULT overflow = runtime_error_code(ErrorNumber::Overflow);
    for (const char* text : {"1e99999", "-1e99999", "1E+400"}) {
        EXPECT_TRUE(is_number_text(text)) << text;
        try {
            (void)text_to_double(text);
            ADD_FAILURE() << text << " reads as a double";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), overflow) << text;
        }
        try {
            (void)text_to_single(text);
            ADD_FAILURE() << text << " reads as a single";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), overflow) << text;
        }
    }
    EXPECT_FALSE(is_number_text("1e"));
}

}  // namespace
}  // namespace qd::test
