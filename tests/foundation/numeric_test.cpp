#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "foundation/numeric.h"
#include "foundation/result.h"

namespace qd {
namespace {

HRESULT code_of(auto&& f) {
    return guard(f);
}

constexpr HRESULT kOverflow = runtime_error_code(ErrorNumber::Overflow);
constexpr HRESULT kDivZero = runtime_error_code(ErrorNumber::DivisionByZero);

TEST(Rounding, HalfEvenToSixteenAndThirtyTwoBits) {
    EXPECT_EQ(round_i16(0.5), 0);
    EXPECT_EQ(round_i16(1.5), 2);
    EXPECT_EQ(round_i16(2.5), 2);
    EXPECT_EQ(round_i16(3.5), 4);
    EXPECT_EQ(round_i16(-2.5), -2);
    EXPECT_EQ(round_i16(0.4), 0);
    EXPECT_EQ(round_i16(32767.4), 32767);
    EXPECT_EQ(round_i16(-32768.5), -32768);  // ties to even stays in range
    EXPECT_EQ(round_i32(2147483647.4), 2147483647);
    EXPECT_EQ(round_i32(50.5), 50);
    EXPECT_EQ(round_i32(51.5), 52);

    EXPECT_EQ(code_of([] { round_i16(32767.5); }), kOverflow);
    EXPECT_EQ(code_of([] { round_i16(-32769.0); }), kOverflow);
    EXPECT_EQ(code_of([] { round_i32(2147483647.5); }), kOverflow);
    EXPECT_EQ(code_of([] { round_i16(std::nan("")); }), kOverflow);
    EXPECT_EQ(code_of([] { round_i32(HUGE_VAL); }), kOverflow);
}

TEST(Rounding, FloorAndSingleNarrowing) {
    EXPECT_EQ(floor_i32(254.99999523), 254);
    EXPECT_EQ(floor_i32(-254.99999523), -255);
    EXPECT_EQ(floor_i32(-0.0), 0);
    EXPECT_EQ(code_of([] { floor_i32(3e9); }), kOverflow);

    EXPECT_EQ(to_single(2.55), 2.549999952316284f);
    EXPECT_EQ(static_cast<double>(to_single(2.55)), 2.549999952316284);
    EXPECT_EQ(code_of([] { to_single(1e40); }), kOverflow);
    EXPECT_TRUE(std::isinf(to_single(HUGE_VAL)));  // already infinite: no fault
    EXPECT_TRUE(std::isnan(to_single(std::nan(""))));
}

TEST(FloatFaults, RaisedAsRunTimeErrors) {
    EXPECT_EQ(code_of([] { fdiv(1.0, 0.0); }), kDivZero);
    EXPECT_EQ(code_of([] { fdiv(-3.0, 0.0); }), kDivZero);
    EXPECT_EQ(code_of([] { fdiv(0.0, 0.0); }), kOverflow);  // invalid operation
    EXPECT_EQ(code_of([] { fmul(1e300, 1e300); }), kOverflow);
    EXPECT_EQ(code_of([] { fsub(HUGE_VAL, HUGE_VAL); }), kOverflow);
    EXPECT_EQ(code_of([] { fmul(0.0, HUGE_VAL); }), kOverflow);
    EXPECT_TRUE(std::isnan(fsub(std::nan(""), 1.0)));  // quiet NaN passes through
    EXPECT_EQ(fdiv(HUGE_VAL, 0.0), HUGE_VAL);
    EXPECT_EQ(fdiv(7.0, 2.0), 3.5);
    EXPECT_EQ(code_of([] { add_i16(32767, 1); }), kOverflow);
    EXPECT_EQ(sub_i16(50, 50), 0);
    EXPECT_EQ(code_of([] { sub_i32(INT32_MIN, 6); }), kOverflow);
    EXPECT_EQ(host_pi(), 3.141592653589793);
}

}  // namespace
}  // namespace qd
