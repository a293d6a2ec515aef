// The script language described once: one row per statement form, with its usage, its help
// text and (for the forms that start with a keyword) the handler that parses its words.
// parse_statement, `qdhost run --help` and the user guide's list are made from these rows;
// a new verb is one row, its statement type and the runner's execute for it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/qdhost/script_syntax.h"

namespace qd::qdhost {

// Words of a line, the verb first; quoted texts are single words without their quotes.
using Words = std::vector<std::string>;

struct ScriptForm {
    const char* verb;                        // the leading keyword; null for the NAME.MEMBER forms
    const char* usage;                       // the statement as it is written
    const char* help;                        // what it does; '\n' continues on a line of its own
    Statement (*parse)(const Words& words);  // null for the NAME.MEMBER forms
};

// Every statement form, in the order --help lists them.
std::span<const ScriptForm> script_forms();

// The keyword-led form for `verb`, or null.
const ScriptForm* find_verb(std::string_view verb);

// The list as --help prints it: "  USAGE" padded to a column, then the help.
std::string script_forms_help();

}  // namespace qd::qdhost
