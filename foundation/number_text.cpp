#include "foundation/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "foundation/ascii.h"
#include "foundation/numeric.h"
#include "foundation/result.h"

namespace qd {

namespace {

// Writes x with `digits` significant digits in the host's format.
std::string format_significant(double x, int digits) {
    if (std::isnan(x))
        return "NaN";
    if (std::isinf(x))
        return x < 0 ? "-Inf" : "Inf";
    if (x == 0.0)
        return "0";
    // A whole number of at most `digits` digits is written as it stands: the scientific form
    // below would give the same digits, and captions are mostly such numbers.
    if (std::fabs(x) < 1e15 && x == std::floor(x)) {
        const auto whole = static_cast<long long>(x);
        long long limit = 1;
        for (int i = 0; i < digits && limit < 1000000000000000LL; ++i)
            limit *= 10;
        if (std::llabs(whole) < limit) {
            char text[24];
            return std::string(text, std::to_chars(text, text + sizeof text, whole).ptr);
        }
    }

    // Scientific form with digits - 1 decimals: the correctly rounded (half-even on the exact
    // binary value) mantissa, without the locale machinery of printf.
    char buf[64];
    const std::to_chars_result r =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digits - 1);
    const char* e_pos = std::find(buf, r.ptr, 'e');
    int exponent = 0;
    const char* exp_first = e_pos + 1 + (e_pos[1] == '+' ? 1 : 0);
    std::from_chars(exp_first, r.ptr, exponent);

    const bool negative = buf[0] == '-';
    std::string significand;  // the digits without the point
    for (const char* p = buf + (negative ? 1 : 0); p != e_pos; ++p)
        if (*p != '.')
            significand += *p;
    while (significand.size() > 1 && significand.back() == '0')
        significand.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += significand[0];
        if (significand.size() > 1) {
            out += '.';
            out.append(significand, 1, std::string::npos);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out += '0';
        char ebuf[8];
        out.append(ebuf, std::to_chars(ebuf, ebuf + sizeof ebuf, magnitude).ptr);
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += significand;
    } else {
        const std::size_t int_digits = static_cast<std::size_t>(exponent) + 1;
        if (significand.size() <= int_digits) {
            out += significand;
            out.append(int_digits - significand.size(), '0');
        } else {
            out.append(significand, 0, int_digits);
            out += '.';
            out.append(significand, int_digits, std::string::npos);
        }
    }
    return out;
}

std::string_view trim(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front())))
        t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back())))
        t.remove_suffix(1);
    return t;
}

// Up to 8 hex digits as a 32-bit two's complement integer.
std::optional<double> parse_hex_digits(std::string_view hex) {
    if (hex.size() > 8)
        return std::nullopt;
    std::uint32_t v = 0;
    auto [p, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
    if (ec != std::errc() || p != hex.data() + hex.size())
        return std::nullopt;
    return static_cast<double>(static_cast<std::int32_t>(v));
}

// Decimal: digits, optional point, optional exponent; at least one digit in the mantissa.
std::optional<double> parse_decimal(std::string_view body) {
    std::size_t i = 0, digits = 0;
    while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])))
        ++i, ++digits;
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < body.size() && (body[j] == '+' || body[j] == '-'))
            ++j;
        std::size_t exp_digits = 0;
        while (j < body.size() && std::isdigit(static_cast<unsigned char>(body[j])))
            ++j, ++exp_digits;
        if (exp_digits == 0)
            return std::nullopt;
        i = j;
    }
    if (i != body.size())
        return std::nullopt;
    double value = 0;
    auto [p, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (p != body.data() + body.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Beyond the double range: an overflow, or an underflow to zero.
        const bool huge = std::strtod(std::string(body).c_str(), nullptr) != 0.0;
        if (huge)
            raise(ErrorNumber::Overflow);
        value = 0.0;
    }
    return value;
}

std::optional<double> parse(std::string_view text) {
    std::string_view t = trim(text);
    if (t.empty())
        return std::nullopt;
    bool negative = false;
    std::string_view body = t;
    if (body[0] == '+' || body[0] == '-') {
        negative = body[0] == '-';
        body.remove_prefix(1);
    }
    if (iequals_ascii(body, "nan"))
        return std::nan("");
    if (iequals_ascii(body, "inf") || iequals_ascii(body, "infinity"))
        return negative ? -HUGE_VAL : HUGE_VAL;

    // Hexadecimal integers: 0x1F or &H1F, read as 32-bit two's complement like a colour value.
    const bool hex = body.size() > 2 && ((body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) ||
                                         (body[0] == '&' && (body[1] == 'h' || body[1] == 'H')));
    const std::optional<double> value =
        hex ? parse_hex_digits(body.substr(2)) : parse_decimal(body);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

}  // namespace

std::string single_to_text(float x) {
    return format_significant(static_cast<double>(x), 7);
}
std::string double_to_text(double x) {
    // Fifteen digits round the largest doubles up past the double range (1.79769313486232E+308
    // reads back as an overflow); those few take the seventeen digits that name them exactly.
    if (std::fabs(x) > 1.797693134862315e308)
        return format_significant(x, 17);
    return format_significant(x, 15);
}

double text_to_double(std::string_view text) {
    const std::optional<double> v = parse(text);
    if (!v)
        raise(ErrorNumber::TypeMismatch);
    return *v;
}

float text_to_single(std::string_view text) {
    return to_single(text_to_double(text));
}

bool is_number_text(std::string_view text) {
    try {
        return parse(text).has_value();
    } catch (const RuntimeError&) {
        return true;  // a number, only too large
    }
}

}  // namespace qd
