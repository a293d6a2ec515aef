// Small readers of printed text for tests.
#pragma once

#include <cstdio>
#include <set>
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

// The names of the dynamic symbols the shared library `path` defines, as nm lists them;
// *status is nm's exit status (-1 when it cannot be run).
inline std::set<std::string> exported_symbols(const std::string& path, int* status = nullptr) {
    std::set<std::string> symbols;
    FILE* nm = ::popen(("nm -D --defined-only '" + path + "'").c_str(), "r");
    if (status)
        *status = -1;
    if (!nm)
        return symbols;
    char line[512];
    while (std::fgets(line, sizeof line, nm)) {
        std::istringstream words(line);
        std::string address, type, name;
        words >> address >> type >> name;
        symbols.insert(name);
    }
    const int closed = ::pclose(nm);
    if (status)
        *status = closed;
    return symbols;
}

}  // namespace qd::test
