// The statements of a qdhost script, one a line, are listed with their usage and help in one
// table (script_verbs.cpp); this parses a line into one of the statement types below.
//
// `#` starts a comment, at the start of a line or after a blank outside a quoted text. A FILE
// is a word or a "quoted text". A VALUE is a number (12, -2.5, 1e-3, NaN, Inf, -Inf), a hex
// integer (0x00FFFF or &H00FFFF, 32-bit two's complement), True or False, or a "quoted text" in
// which a doubled quote stands for one quote.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/variant.h"

namespace qd::qdhost {

// A line that is no statement; the message says what was expected.
class SyntaxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Extent {
    float width;
    float height;
};

struct NewStatement {
    std::string name, progid;
    std::optional<Extent> extent;
};
struct LoadStatement {
    std::string name, progid, file;
};
struct PutStatement {
    std::string name, property;
    Variant value;
};
struct PrintStatement {
    std::string name, property;
};
struct CallStatement {
    std::string name, method;
};
struct ResizeStatement {
    std::string name;
    Extent extent;
};
struct SaveStatement {
    std::string name, file;
};
struct TraceStatement {
    bool on;
};
struct LabelStatement {
    std::string name;
};
struct DamageStatement {
    std::string name;  // a control, or "form" for the open form
};
struct PngStatement {
    std::string name, file;
};
struct PageStatement {
    std::vector<std::string> names;
};
struct OpenStatement {
    std::string file;
};
struct SaveFormStatement {
    std::string file;
};

using Statement =
    std::variant<NewStatement, LoadStatement, PutStatement, PrintStatement, CallStatement,
                 ResizeStatement, SaveStatement, TraceStatement, LabelStatement, PngStatement,
                 PageStatement, OpenStatement, SaveFormStatement, DamageStatement>;

// The statement on `line`, or nothing for a blank or comment line. Throws SyntaxError.
std::optional<Statement> parse_statement(std::string_view line);

// A VALUE as above, as the variant handed to a property put: Int32 for an integer that fits
// (Double beyond), Int32 bits for a hex integer, Double for a decimal, exponent or NaN/Inf form,
// Boolean, String. Throws SyntaxError.
Variant parse_value(std::string_view text);

// The line without its comment and surrounding blanks (what an error message quotes).
std::string_view statement_text(std::string_view line);

}  // namespace qd::qdhost
