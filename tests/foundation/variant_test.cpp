#include <gtest/gtest.h>

#include <cmath>

#include "platform/variant.h"

namespace qd {
namespace {

TEST(Variant, CoercionsOfALateBoundClient) {
    EXPECT_EQ(Variant("150").to_single(), 150.0f);
    EXPECT_EQ(guard([] { Variant("abc").to_single(); }),
              runtime_error_code(ErrorNumber::TypeMismatch));
    EXPECT_EQ(guard([] { Variant(1e40).to_single(); }), runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(guard([] { Variant("1e40").to_single(); }),
              runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(Variant().to_single(), 0.0f);
    EXPECT_EQ(Variant().to_int32(), 0);
    EXPECT_EQ(Variant(2.5f).to_int16(), 2);
    EXPECT_EQ(Variant(3.5).to_int32(), 4);
    EXPECT_EQ(guard([] { Variant(40000).to_int16(); }), runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(Variant("True").to_bool(), VARIANT_TRUE);
    EXPECT_EQ(Variant(std::int16_t{5}).to_bool(), VARIANT_TRUE);
    EXPECT_EQ(Variant(0.0f).to_bool(), VARIANT_FALSE);
    EXPECT_EQ(Variant::boolean(true).to_int32(), -1);
    EXPECT_EQ(Variant(12.5f).to_text(), "12.5");
    EXPECT_EQ(Variant::boolean(false).to_text(), "False");
    EXPECT_EQ(Variant("0x00FFFF").to_int32(), 0xFFFF);
}

TEST(Variant, CopiesOwnTheirText) {
    Variant a("hello");
    Variant b = a;
    a = Variant(1.0f);
    EXPECT_EQ(b.str(), "hello");
    Variant c = std::move(b);
    EXPECT_TRUE(b.is_empty());
    EXPECT_EQ(c, Variant("hello"));
    EXPECT_FALSE(Variant(1.0f) == Variant(1.0));  // types differ
    EXPECT_TRUE(Variant(-0.0f) == Variant(-0.0f));
    EXPECT_FALSE(Variant(0.0f) == Variant(-0.0f));  // -0 keeps its sign
}

}  // namespace
}  // namespace qd
