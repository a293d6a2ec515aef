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
#pragma once

#include <cstdint>

namespace qd {

// Half-even rounding with the range check of the target width.
std::int16_t round_i16(double x);
std::int32_t round_i32(double x);

// Floor (towards minus infinity) to a 32-bit integer, Overflow when out of range.
std::int32_t floor_i32(double x);

// Double to single with the overflow check.
float to_single(double x);

// Integer arithmetic with the range check of its width.
std::int16_t add_i16(std::int32_t a, std::int32_t b);
std::int16_t sub_i16(std::int32_t a, std::int32_t b);
std::int32_t add_i32(std::int64_t a, std::int64_t b);
std::int32_t sub_i32(std::int64_t a, std::int64_t b);

// Checked double arithmetic: the operation's IEEE result, or the fault it raised.
double fadd(double a, double b);
double fsub(double a, double b);
double fmul(double a, double b);
double fdiv(double a, double b);

// Pi as the host runtime forms it: 4 * arctangent(1).
double atn(double x);
inline double host_pi() {
    return 4.0 * atn(1.0);
}

}  // namespace qd
