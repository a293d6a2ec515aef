// The numeric rules every control follows.
//
// - A float converted to an integer rounds to the nearest integer, ties to the even neighbour;
//   a result that does not fit its width raises Overflow (6).
// - Floating-point faults are raised as run-time errors, as the host runtime checks its
//   floating-point status after each operation: a finite number divided by zero raises
//   DivisionByZero (11); an invalid operation (0/0, inf - inf, 0 * inf) or an overflow of a
//   finite computation raises Overflow (6). Quiet NaN operands pass through without a fault,
//   as they do on the hardware.
// - Narrowing a double to single precision rounds to nearest-even and raises Overflow when a
//   finite value lands beyond the single range.
//
// Each operation is inline for the values that cannot fault and leaves every other value to its
// checked version (numeric.cpp), which gives the same result or raises: the controls call these
// once per band and per coordinate, and a call each costs more than the arithmetic.
#pragma once

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qd {

namespace checked {
std::int16_t round_i16(double x);
std::int32_t round_i32(double x);
std::int32_t floor_i32(double x);
float to_single(double x);
std::int16_t narrow_i16(std::int32_t r);
std::int32_t narrow_i32(std::int64_t r);
double fadd(double a, double b);
double fsub(double a, double b);
double fmul(double a, double b);
double fdiv(double a, double b);
}  // namespace checked

namespace detail {
// Whether x is finite: its exponent is not all ones (infinities and NaN).
inline bool finite(double x) {
    constexpr std::uint64_t kExponent = 0x7FF0000000000000u;
    return (std::bit_cast<std::uint64_t>(x) & kExponent) != kExponent;
}
inline bool finite(float x) {
    constexpr std::uint32_t kExponent = 0x7F800000u;
    return (std::bit_cast<std::uint32_t>(x) & kExponent) != kExponent;
}
}  // namespace detail

// Half-even rounding with the range check of the target width.
inline std::int32_t round_i32(double x) {
#if defined(__SSE2__)
    // The conversion rounds in the current mode, nearest-even; NaN and out-of-range values give
    // INT32_MIN, which the checked version sorts out.
    const std::int32_t r = _mm_cvtsd_si32(_mm_set_sd(x));
    if (r != INT32_MIN)
        return r;
#endif
    return checked::round_i32(x);
}
inline std::int16_t round_i16(double x) {
#if defined(__SSE2__)
    const std::int32_t r = _mm_cvtsd_si32(_mm_set_sd(x));
    if (r >= -32768 && r <= 32767)
        return static_cast<std::int16_t>(r);
#endif
    return checked::round_i16(x);
}

// Floor (towards minus infinity) to a 32-bit integer, Overflow when out of range.
inline std::int32_t floor_i32(double x) {
    if (x >= -2147483648.0 && x < 2147483648.0) {
        const auto t = static_cast<std::int32_t>(x);  // towards zero
        return t - (x < static_cast<double>(t) ? 1 : 0);
    }
    return checked::floor_i32(x);
}

// Double to single with the overflow check.
inline float to_single(double x) {
    const float f = static_cast<float>(x);
    if (detail::finite(f))
        return f;
    return checked::to_single(x);
}

// Integer arithmetic with the range check of its width.
inline std::int16_t add_i16(std::int32_t a, std::int32_t b) {
    const std::int32_t r = a + b;
    return r >= -32768 && r <= 32767 ? static_cast<std::int16_t>(r) : checked::narrow_i16(r);
}
inline std::int16_t sub_i16(std::int32_t a, std::int32_t b) {
    const std::int32_t r = a - b;
    return r >= -32768 && r <= 32767 ? static_cast<std::int16_t>(r) : checked::narrow_i16(r);
}
inline std::int32_t add_i32(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a + b;
    return r >= INT32_MIN && r <= INT32_MAX ? static_cast<std::int32_t>(r) : checked::narrow_i32(r);
}
inline std::int32_t sub_i32(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a - b;
    return r >= INT32_MIN && r <= INT32_MAX ? static_cast<std::int32_t>(r) : checked::narrow_i32(r);
}

// Checked double arithmetic: the operation's IEEE result, or the fault it raised. A finite
// result is never a fault.
inline double fadd(double a, double b) {
    const double r = a + b;
    return detail::finite(r) ? r : checked::fadd(a, b);
}
inline double fsub(double a, double b) {
    const double r = a - b;
    return detail::finite(r) ? r : checked::fsub(a, b);
}
inline double fmul(double a, double b) {
    const double r = a * b;
    return detail::finite(r) ? r : checked::fmul(a, b);
}
inline double fdiv(double a, double b) {
    if (b != 0.0) {
        const double r = a / b;
        if (detail::finite(r))
            return r;
    }
    return checked::fdiv(a, b);
}

// Pi as the host runtime forms it: 4 * arctangent(1).
double atn(double x);
inline double host_pi() {
    return 4.0 * atn(1.0);
}

}  // namespace qd
