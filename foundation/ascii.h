// Case-insensitive comparison of ASCII names and keywords (member names, True/False, NaN),
// without the C locale: names are matched the same way whatever locale the host runs in.
#pragma once

#include <string_view>

namespace qd {

constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool iequals_ascii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_lower(a[i]) != ascii_lower(b[i]))
            return false;
    return true;
}

// The same for two NUL-terminated names, in one pass (no length scan first).
constexpr bool iequals_ascii(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (ascii_lower(*a) != ascii_lower(*b))
            return false;
    return *a == *b;
}

}  // namespace qd
