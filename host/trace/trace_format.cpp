#include "host/trace/trace_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qd::host {

namespace {

template <typename F>
std::string shortest_float(F v) {
    if (std::isnan(v))
        return "NaN";
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "Inf";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general);
    return std::string(buf, res.ptr);
}

}  // namespace

std::string trace_value(float v) {
    return shortest_float(v);
}

std::string trace_value(double v) {
    return shortest_float(v);
}

std::string trace_value(std::int16_t v) {
    return std::to_string(v);
}

std::string trace_value(std::int32_t v) {
    return std::to_string(v);
}

std::string trace_value(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
    return out;
}

std::string trace_bool(VARIANT_BOOL v) {
    return v != 0 ? "True" : "False";
}

std::string trace_value(const Variant& v) {
    switch (v.type()) {
        case VarType::Empty:
            return "Empty";
        case VarType::Int16:
            return trace_value(v.i2());
        case VarType::Int32:
            return trace_value(v.i4());
        case VarType::Float32:
            return trace_value(v.r4());
        case VarType::Float64:
            return trace_value(v.r8());
        case VarType::Text:
            return trace_value(v.str());
        case VarType::Bool:
            return trace_bool(v.boolean_value());
        case VarType::Object:
            return v.object() ? "Object" : "Nothing";
    }
    return "?";
}

std::string trace_error(HRESULT hr) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "error 0x%08X", static_cast<unsigned>(hr));
    return buf;
}

std::string set_line(std::string_view object, std::string_view member, std::string_view value) {
    std::string line;
    line.append(object).append(".").append(member).append(" = ").append(value);
    return line;
}

std::string read_line(std::string_view object, std::string_view member, std::string_view value) {
    std::string line;
    line.append(object).append(".").append(member).append(" -> ").append(value);
    return line;
}

std::string call_line(std::string_view object, std::string_view member,
                      const std::vector<std::optional<std::string>>& args) {
    std::string line;
    line.append(object).append(".").append(member);
    std::size_t count = args.size();
    while (count > 0 && !args[count - 1])
        --count;
    for (std::size_t i = 0; i < count; ++i) {
        line += i == 0 ? " " : ", ";
        if (args[i])
            line += *args[i];
    }
    return line;
}

}  // namespace qd::host
