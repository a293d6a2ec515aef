#include <gtest/gtest.h>

#include "foundation/progress_caption.h"
#include "foundation/result.h"

namespace qd {
namespace {

TEST(ProgressCaption, ValueFractionAndFlooredPercentAgainstMaxAlone) {
    EXPECT_EQ(progress_caption(0, 75.0f, 100.0f), "75");
    EXPECT_EQ(progress_caption(1, 12.5f, 50.0f), "12.5/50");
    EXPECT_EQ(progress_caption(2, 75.0f, 100.0f), "75%");
    EXPECT_EQ(progress_caption(2, 2.0f, 3.0f), "66%");  // floored, not rounded
    EXPECT_EQ(progress_caption(2, 0.5f, 100.0f), "0%");
    EXPECT_EQ(progress_caption(2, -5.0f, 100.0f), "-5%");  // Min plays no part
    EXPECT_EQ(progress_caption(3, 75.0f, 100.0f), std::nullopt);
    EXPECT_EQ(progress_caption(-1, 75.0f, 100.0f), std::nullopt);
    EXPECT_EQ(guard([] { progress_caption(2, -5.0f, 0.0f); }),
              runtime_error_code(ErrorNumber::DivisionByZero));
    EXPECT_EQ(guard([] { progress_caption(2, 0.0f, 0.0f); }),
              runtime_error_code(ErrorNumber::Overflow));
}

}  // namespace
}  // namespace qd
