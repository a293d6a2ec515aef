// ASCII text helpers without the C locale, so text is read the same way whatever locale the
// host runs in: case-insensitive comparison of names and keywords (member names, True/False,
// NaN), and the trimming of blanks around the words of a line.
#pragma once

#include <string>
#include <string_view>

namespace qd {

constexpr char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `s` in lower case, the way names are keyed when case does not count.
inline std::string lower_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = ascii_lower(c);
    return out;
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

// `s` without the characters of `blanks` at either end: by default spaces, tabs and the
// carriage return a line written on another system ends in.
constexpr std::string_view trim_ascii(std::string_view s, std::string_view blanks = " \t\r") {
    while (!s.empty() && blanks.find(s.front()) != std::string_view::npos)
        s.remove_prefix(1);
    while (!s.empty() && blanks.find(s.back()) != std::string_view::npos)
        s.remove_suffix(1);
    return s;
}

}  // namespace qd
