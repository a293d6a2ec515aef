// The text of one host call as the trace prints it, and the text of a value.
//
// Lines:
//   property set    OBJECT.MEMBER = VALUE        picBox.ScaleMode = 3
//   property read   OBJECT.MEMBER -> VALUE       picBox.ScaleWidth -> 200
//   method          OBJECT.MEMBER ARG, ARG, ...  picBox.Circle 100, 50, 94, , , , 0.5
// An omitted optional argument inside the list is left empty; omitted ones at the end are dropped.
//
// Values print in the type the host receives or returns: integers in decimal; floats with the
// fewest digits that read back to the same value of their own precision (-3.1415927 for a
// single), in the style of printf %g (0.0001, 1e-05, 1e+20); NaN, Inf, -Inf; booleans True /
// False; texts in double quotes (an embedded quote doubled); an empty value as Empty.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/result.h"
#include "platform/variant.h"

namespace qd::host {

std::string trace_value(const Variant& v);
std::string trace_value(float v);
std::string trace_value(double v);
std::string trace_value(std::int16_t v);
std::string trace_value(std::int32_t v);
std::string trace_value(std::string_view text);
inline std::string trace_value(const char* text) {
    return trace_value(std::string_view(text ? text : ""));
}
// A platform boolean (-1 true, 0 false; any non-zero value counts as true).
std::string trace_bool(VARIANT_BOOL v);

// "error 0x800A017C": what a read line shows in place of a value when the read failed.
std::string trace_error(HRESULT hr);

std::string set_line(std::string_view object, std::string_view member, std::string_view value);
std::string read_line(std::string_view object, std::string_view member, std::string_view value);
// A method call; std::nullopt stands for an omitted argument.
std::string call_line(std::string_view object, std::string_view member,
                      const std::vector<std::optional<std::string>>& args);

}  // namespace qd::host
