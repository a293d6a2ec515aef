#include "host/persist/property_value.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

#include "foundation/ascii.h"
#include "host/persist/text_file.h"
#include "platform/value_words.h"

namespace qd::host {

namespace {

// Bits of the NaN each precision writes as plain "NaN" and "-NaN": the sign, and the quiet NaN
// (every exponent bit and the mantissa's first).
template <typename F>
struct FloatBits {
    using Bits = std::conditional_t<sizeof(F) == 4, std::uint32_t, std::uint64_t>;
    static constexpr Bits sign = Bits{1} << (8 * sizeof(F) - 1);
    static constexpr Bits quiet_nan =
        ~sign & ~((Bits{1} << (std::numeric_limits<F>::digits - 2)) - 1);
    static constexpr int hex_digits = 2 * sizeof(F);
};
static_assert(FloatBits<float>::quiet_nan == 0x7FC00000u);
static_assert(FloatBits<double>::quiet_nan == 0x7FF8000000000000u);
static_assert(FloatBits<double>::sign == 0x8000000000000000u);

template <typename F>
std::string format_float(F v) {
    using B = FloatBits<F>;
    if (std::isnan(v)) {
        const auto bits = std::bit_cast<typename B::Bits>(v);
        if (bits == B::quiet_nan)
            return "NaN";
        if (bits == (B::quiet_nan | B::sign))
            return "-NaN";
        char hex[24];
        const auto res = std::to_chars(hex, hex + sizeof hex, bits, 16);
        std::string digits(hex, res.ptr);
        for (char& c : digits)
            c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
        return "NaN(0x" + std::string(B::hex_digits - digits.size(), '0') + digits + ")";
    }
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "Inf";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

template <typename F>
F parse_float(std::string_view text, const char* type) {
    using B = FloatBits<F>;
    using Bits = typename B::Bits;
    if (text == "NaN")
        return std::bit_cast<F>(B::quiet_nan);
    if (text == "-NaN")
        return std::bit_cast<F>(B::quiet_nan | B::sign);
    if (text == "Inf")
        return std::numeric_limits<F>::infinity();
    if (text == "-Inf")
        return -std::numeric_limits<F>::infinity();
    if (text.starts_with("NaN(0x") && text.ends_with(")")) {
        const std::string_view hex = text.substr(6, text.size() - 7);
        Bits bits = 0;
        const auto res = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
        if (!hex.empty() && res.ec == std::errc() && res.ptr == hex.data() + hex.size() &&
            std::isnan(std::bit_cast<F>(bits)))
            return std::bit_cast<F>(bits);
        throw PropertyValueError(std::string("not the bits of a NaN: ") + std::string(text));
    }
    // from_chars accepts no leading '+' and no blanks, which keeps the form strict.
    F v{};
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || res.ec == std::errc::invalid_argument ||
        res.ptr != text.data() + text.size())
        throw PropertyValueError(std::string("not a ") + type + " number: '" + std::string(text) +
                                 "'");
    if (res.ec == std::errc::result_out_of_range)
        throw PropertyValueError(std::string("out of the ") + type +
                                 " range: " + std::string(text));
    // "nan" and "inf" in other spellings are not this file's forms.
    if (!std::isfinite(v))
        throw PropertyValueError(std::string("not a ") + type + " number: '" + std::string(text) +
                                 "'");
    return v;
}

template <typename I>
I parse_integer(std::string_view text, const char* type) {
    I v{};
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || res.ec == std::errc::invalid_argument ||
        res.ptr != text.data() + text.size())
        throw PropertyValueError(std::string("not an ") + type + ": '" + std::string(text) + "'");
    if (res.ec == std::errc::result_out_of_range)
        throw PropertyValueError(std::string("out of the ") + type +
                                 " range: " + std::string(text));
    return v;
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                append_printable(out, c);
        }
    }
    out += '"';
    return out;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string unquote(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        throw PropertyValueError("a text value is written in double quotes");
    const std::string_view body = text.substr(1, text.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '"')
            throw PropertyValueError("an inner double quote must be written \\\"");
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == body.size())
            throw PropertyValueError("the text ends inside an escape");
        switch (body[i]) {
            case '\\':
                out += '\\';
                break;
            case '"':
                out += '"';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                const int hi = i + 1 < body.size() ? hex_digit(body[i + 1]) : -1;
                const int lo = i + 2 < body.size() ? hex_digit(body[i + 2]) : -1;
                if (hi < 0 || lo < 0)
                    throw PropertyValueError("\\x takes two hexadecimal digits");
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default:
                throw PropertyValueError(std::string("unknown escape \\") + body[i]);
        }
    }
    return out;
}

// The words that start a typed value.
constexpr std::string_view kTypeWords[] = {"empty",   "int16", "int32", "float32",
                                           "float64", "bool",  "text"};

// A hex integer of at most 8 digits after 0x or &H, as its 32 bits; nullopt when `text` is
// not written so.
std::optional<std::int32_t> hex_integer(std::string_view text) {
    if (text.size() < 3 || !((text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) ||
                             (text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))))
        return std::nullopt;
    const std::string_view digits = text.substr(2);
    std::uint32_t bits = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    if (digits.size() > 8 || res.ec != std::errc() || res.ptr != digits.data() + digits.size())
        return std::nullopt;
    return static_cast<std::int32_t>(bits);
}

// A plain decimal number: a 32-bit integer when it is one, else a double.
std::optional<Variant> decimal_number(std::string_view text) {
    const std::string_view body = !text.empty() && text.front() == '+' ? text.substr(1) : text;
    const char* end = body.data() + body.size();
    std::int32_t i = 0;
    auto res = std::from_chars(body.data(), end, i);
    if (!body.empty() && res.ec == std::errc() && res.ptr == end)
        return Variant(i);
    double d = 0;
    res = std::from_chars(body.data(), end, d, std::chars_format::general);
    const bool spelled_out = body.find_first_of("nNiI") == std::string_view::npos;
    if (!body.empty() && res.ptr == end && spelled_out && res.ec == std::errc())
        return Variant(d);
    return std::nullopt;
}

}  // namespace

bool has_type_word(std::string_view text) {
    const std::string_view first = text.substr(0, text.find(' '));
    for (const std::string_view word : kTypeWords)
        if (first == word)
            return true;
    return false;
}

Variant parse_untyped_value(std::string_view text) {
    if (text.empty())
        throw PropertyValueError("expected a value after '='");
    if (text.front() == '"')
        return Variant(std::string_view(unquote(text)));
    if (std::optional<Variant> word = value_word(text))
        return *word;
    if (const std::optional<std::int32_t> hex = hex_integer(text))
        return Variant(*hex);
    if (std::optional<Variant> number = decimal_number(text))
        return *number;
    // Any other word reaches the property's coercion as text, which names what it expected.
    return Variant(text);
}

std::string format_property_value(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty:
            return "empty";
        case VarType::Int16:
            return "int16 " + std::to_string(value.i2());
        case VarType::Int32:
            return "int32 " + std::to_string(value.i4());
        case VarType::Float32:
            return "float32 " + format_float(value.r4());
        case VarType::Float64:
            return "float64 " + format_float(value.r8());
        case VarType::Bool:
            return std::string("bool ") + (value.boolean_value() != 0 ? "true" : "false");
        case VarType::Text:
            return "text " + quote(value.str());
        case VarType::Object:
            break;
    }
    throw PropertyValueError("an object cannot be stored in a property file");
}

Variant parse_property_value(std::string_view text) {
    const std::size_t space = text.find(' ');
    const std::string_view type = text.substr(0, space);
    const std::string_view rest =
        space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    if (type == "empty") {
        if (!rest.empty())
            throw PropertyValueError("empty takes no value");
        return Variant();
    }
    if (space == std::string_view::npos)
        throw PropertyValueError("expected a type and a value, such as 'float32 0'");
    if (type == "int16")
        return Variant(parse_integer<std::int16_t>(rest, "int16"));
    if (type == "int32")
        return Variant(parse_integer<std::int32_t>(rest, "int32"));
    if (type == "float32")
        return Variant(parse_float<float>(rest, "float32"));
    if (type == "float64")
        return Variant(parse_float<double>(rest, "float64"));
    if (type == "bool") {
        if (rest == "true" || rest == "false")
            return Variant::boolean(rest == "true");
        throw PropertyValueError("a bool is true or false, not '" + std::string(rest) + "'");
    }
    if (type == "text")
        return Variant(std::string_view(unquote(rest)));
    throw PropertyValueError("unknown type '" + std::string(type) +
                             "' (int16, int32, float32, float64, bool, text or empty)");
}

}  // namespace qd::host
