// The statements of a qdhost script, one a line:
//
//   new NAME PROGID [WIDTH HEIGHT]     create, InitProperties, Resize (extent in twips)
//   load NAME PROGID FILE              create, ReadProperties from a property file, Resize
//   NAME.PROP = VALUE                  put by name
//   print NAME.PROP                    get by name and print the value
//   NAME.METHOD                        call by name
//   resize NAME WIDTH HEIGHT           new extent, Resize
//   save NAME FILE                     WriteProperties into a property file (atomic)
//   trace on | trace off               print every host call the controls make
//   label NAME                         print the label's state
//   png NAME FILE                      the control's view as a PNG picture (atomic); NAME may
//                                      also be `page` (the open property page) or `form`
//   page NAME [NAME ...]               open the Data page on those controls, the first is item 0
//   page.FIELD = "TEXT"                type into a field of the page
//   print page.FIELD | print page.Changed
//   page.apply                         apply the page to the first selected control
//   open FORM                          load every control of a form file under its own name
//   save FORM                          write every control of the open form back to FORM (atomic)
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
