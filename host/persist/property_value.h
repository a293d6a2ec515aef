// The typed text of one stored value, as a property file holds it: the type's name, then the
// value, so that the value reads back as the same type and the same bits.
//
//   empty
//   int16 12              16-bit integer
//   int32 14737632        32-bit integer (colours too)
//   float32 0.1           shortest text that reads back to the same float; -0, Inf, -Inf,
//   float64 0.1           NaN (quiet, positive), -NaN (quiet, negative) and NaN(0x7FA00001)
//                         for any other NaN bits (16 hex digits for a float64)
//   bool true             true or false
//   text "a \"b\"\n"      escapes \\ \" \n \r \t and \xHH for other control bytes
//
// Numbers are written and read without the C locale's help, so a file reads the same anywhere.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace qd::host {

// A value that has no typed text (an object) or a text that is no typed value; the message
// says what is wrong with it, without file or line.
class PropertyValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string format_property_value(const Variant& value);
Variant parse_property_value(std::string_view text);

// Whether the value text starts with a type word (and so is read by parse_property_value).
bool has_type_word(std::string_view text);

// A value written by hand without a type word: True or False (any letter case), a hex integer
// (0x00FF00), a number, NaN, Inf, -Inf or a quoted text, as a script writes values; any other
// text is kept as text. The caller converts it to the type the property declares.
Variant parse_untyped_value(std::string_view text);

}  // namespace qd::host
