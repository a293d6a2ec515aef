#include "foundation/numeric.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "foundation/result.h"

namespace qd {

namespace {

// nearbyint rounds with the current mode, which is round-to-nearest-even everywhere here.
double round_half_even(double x) {
    return std::nearbyint(x);
}

template <typename Int>
Int round_to(double x) {
    if (std::isnan(x))
        raise(ErrorNumber::Overflow);
    const double r = round_half_even(x);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max()))
        raise(ErrorNumber::Overflow);
    return static_cast<Int>(r);
}

// The fault an operation raised, judged from its operands and its IEEE result.
double checked_result(double a, double b, double result) {
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b))
        raise(ErrorNumber::Overflow);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        raise(ErrorNumber::Overflow);
    return result;
}

}  // namespace

namespace checked {

std::int16_t round_i16(double x) {
    return round_to<std::int16_t>(x);
}
std::int32_t round_i32(double x) {
    return round_to<std::int32_t>(x);
}

std::int32_t floor_i32(double x) {
    if (std::isnan(x))
        raise(ErrorNumber::Overflow);
    const double f = std::floor(x);
    if (f < -2147483648.0 || f > 2147483647.0)
        raise(ErrorNumber::Overflow);
    return static_cast<std::int32_t>(f);
}

float to_single(double x) {
    const float f = static_cast<float>(x);
    if (std::isinf(f) && std::isfinite(x))
        raise(ErrorNumber::Overflow);
    return f;
}

std::int16_t narrow_i16(std::int32_t r) {
    if (r < -32768 || r > 32767)
        raise(ErrorNumber::Overflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t narrow_i32(std::int64_t r) {
    if (r < INT32_MIN || r > INT32_MAX)
        raise(ErrorNumber::Overflow);
    return static_cast<std::int32_t>(r);
}

double fadd(double a, double b) {
    return checked_result(a, b, a + b);
}
double fsub(double a, double b) {
    return checked_result(a, b, a - b);
}
double fmul(double a, double b) {
    return checked_result(a, b, a * b);
}

double fdiv(double a, double b) {
    if (b == 0.0 && !std::isnan(a)) {
        if (a == 0.0)
            raise(ErrorNumber::Overflow);  // 0 / 0 is an invalid operation
        if (std::isfinite(a))
            raise(ErrorNumber::DivisionByZero);
    }
    return checked_result(a, b, a / b);
}

}  // namespace checked

double atn(double x) {
    return std::atan(x);
}

}  // namespace qd
