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

}  // namespace qd
