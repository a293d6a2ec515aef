// Text of a number and number of a text, as the host runtime converts them.
//
// Single to text: at most seven significant digits (the exact binary value rounded half-even
// to seven digits), no trailing zeros, no decimal point for a whole number, a leading minus
// for a negative number and no leading blank. Magnitudes from 0.0001 up to below 1E+07 are
// written in plain decimal (0.0001, 1234567); smaller and larger ones in exponent form with a
// mantissa of up to seven digits and a signed exponent of at least two digits (1.234568E+07,
// 1E-05). Negative zero reads 0; not-a-number reads NaN; the infinities Inf and -Inf.
// Doubles follow the same rules with fifteen significant digits (seventeen for the few largest,
// whose fifteen-digit text would lie beyond the double range).
//
// Text to number: optional blanks around, an optional sign, digits with an optional decimal
// point and exponent (1, -2.5, .5, 3e4, 1.5E-3), a hexadecimal integer written 0x00FFFF or
// &H00FFFF, or NaN, Inf, -Inf (any letter case). Anything else, the empty text included, is a
// type mismatch (13).
#pragma once

#include <string>
#include <string_view>

namespace qd {

std::string single_to_text(float x);
std::string double_to_text(double x);

// Raises TypeMismatch for a text that is not a number.
double text_to_double(std::string_view text);
// Also raises Overflow for a finite number beyond the single range.
float text_to_single(std::string_view text);

// True when text_to_double would succeed.
bool is_number_text(std::string_view text);

}  // namespace qd
