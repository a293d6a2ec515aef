// Small readers of printed text for tests.
#pragma once

#include <sstream>
#include <string>

namespace qd::test {

// `line`'s words joined by one space each: a dump's line without its alignment.
inline std::string collapse_blanks(const std::string& line) {
    std::istringstream words(line);
    std::string word, joined;
    while (words >> word)
        joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

}  // namespace qd::test
