// The word-level pieces of the script syntax that the statement forms' parsers share.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/qdhost/script_syntax.h"

namespace qd::qdhost {

// Words separated by blanks; a word that starts with a quote is a quoted text.
std::vector<std::string> split_words(std::string_view text);
// `s` when it is a name (letters, digits and _, starting with a letter); else SyntaxError
// naming `what` was expected.
std::string checked_name(std::string_view s, const char* what);
// "NAME.MEMBER" split at its dot.
std::pair<std::string, std::string> member_reference(std::string_view s);
// WIDTH and HEIGHT in twips at words[at] and words[at + 1].
Extent parse_extent(const std::vector<std::string>& words, std::size_t at);
// SyntaxError "usage: USAGE" unless there are exactly n words.
void expect_count(const std::vector<std::string>& words, std::size_t n, const char* usage);

}  // namespace qd::qdhost
