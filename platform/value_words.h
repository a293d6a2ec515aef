// The words a hand-written value may be instead of a number or a text: True and False, NaN,
// Inf and -Inf, in any case. Script values and untyped stored values read them alike.
#pragma once

#include <limits>
#include <optional>
#include <string_view>

#include "foundation/ascii.h"
#include "platform/variant.h"

namespace qd {

// The value `text` names, a boolean or a double, or none when it is no such word.
inline std::optional<Variant> value_word(std::string_view text) {
    if (iequals_ascii(text, "True") || iequals_ascii(text, "False"))
        return Variant::boolean(iequals_ascii(text, "True"));
    if (iequals_ascii(text, "NaN"))
        return Variant(std::numeric_limits<double>::quiet_NaN());
    if (iequals_ascii(text, "Inf") || iequals_ascii(text, "-Inf"))
        return Variant(text[0] == '-' ? -std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::infinity());
    return std::nullopt;
}

}  // namespace qd
