#include <gtest/gtest.h>

#include <cmath>

#include "foundation/number_text.h"
#include "foundation/result.h"

namespace qd {
namespace {

TEST(NumberText, SevenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(single_to_text(75.0f), "75");
    EXPECT_EQ(single_to_text(33.5f), "33.5");
    EXPECT_EQ(single_to_text(12.5f), "12.5");
    EXPECT_EQ(single_to_text(-5.0f), "-5");
    EXPECT_EQ(single_to_text(0.1f), "0.1");
    EXPECT_EQ(single_to_text(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(single_to_text(2.0f / 3.0f), "0.6666667");
    EXPECT_EQ(single_to_text(100.0f), "100");
    EXPECT_EQ(single_to_text(1234567.0f), "1234567");
    EXPECT_EQ(single_to_text(12345678.0f), "1.234568E+07");
    EXPECT_EQ(single_to_text(10000000.0f), "1E+07");
    EXPECT_EQ(single_to_text(9999999.0f), "9999999");  // the widest whole number written plainly
    EXPECT_EQ(single_to_text(-9999999.0f), "-9999999");
    EXPECT_EQ(double_to_text(123456789012345.0), "123456789012345");
    EXPECT_EQ(double_to_text(-1e15), "-1E+15");
    EXPECT_EQ(single_to_text(0.0001f), "0.0001");
    EXPECT_EQ(single_to_text(0.00001f), "1E-05");
    EXPECT_EQ(single_to_text(-0.0f), "0");
    EXPECT_EQ(single_to_text(3.4028235e38f), "3.402823E+38");
    EXPECT_EQ(single_to_text(std::nanf("")), "NaN");
    EXPECT_EQ(single_to_text(HUGE_VALF), "Inf");
    EXPECT_EQ(single_to_text(-HUGE_VALF), "-Inf");
    EXPECT_EQ(double_to_text(0.1), "0.1");
    // The largest doubles read back (a fuzzed input found -DBL_MAX overflowing on the way back).
    EXPECT_EQ(text_to_double(double_to_text(-1.7976931348623157e308)), -1.7976931348623157e308);
    EXPECT_EQ(text_to_double(double_to_text(1.7976931348623157e308)), 1.7976931348623157e308);
    EXPECT_EQ(double_to_text(1.5e300), "1.5E+300");
}

TEST(NumberText, TextToNumberAcceptsNumbersOnly) {
    EXPECT_EQ(text_to_double("150"), 150.0);
    EXPECT_EQ(text_to_double(" -2.5 "), -2.5);
    EXPECT_EQ(text_to_double(".5"), 0.5);
    EXPECT_EQ(text_to_double("3e4"), 30000.0);
    EXPECT_EQ(text_to_double("1.5E-3"), 0.0015);
    EXPECT_EQ(text_to_double("0x00FFFF"), 65535.0);
    EXPECT_EQ(text_to_double("&HFFFFFFFF"), -1.0);
    EXPECT_TRUE(std::isnan(text_to_double("NaN")));
    EXPECT_EQ(text_to_double("-Inf"), -HUGE_VAL);

    const HRESULT mismatch = runtime_error_code(ErrorNumber::TypeMismatch);
    for (const char* bad : {"", "  ", "abc", "12abc", "1e", "--1", "0x", "1.2.3", "e5", "."})
        EXPECT_EQ(guard([&] { text_to_double(bad); }), mismatch) << '"' << bad << '"';
    EXPECT_EQ(guard([] { text_to_single("1e40"); }), runtime_error_code(ErrorNumber::Overflow));
    EXPECT_EQ(text_to_single("1e-50"), 0.0f);
}

TEST(NumberText, EverySingleTextReadsBackWithinSevenDigits) {
    for (float x : {0.3f, 75.25f, 1e-3f, 123.4567f, 9999999.0f}) {
        const float back = text_to_single(single_to_text(x));
        EXPECT_NEAR(back, x, std::fabs(x) * 1e-6f) << x;
    }
}

}  // namespace
}  // namespace qd
