// The text of a progress label, shared by every control: by label type 0 the value, 1 the
// value over the maximum ("75/100"), 2 the percentage of the value against the maximum alone,
// floored ("66%" for 2 of 3); the minimum enters none of them. Any other type has no caption,
// so the label keeps the one it shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qd {

// Raises the arithmetic fault of the percentage (division by zero when max is 0) before any
// text is formed, so a caller that sets the caption afterwards leaves the old one in place.
std::optional<std::string> progress_caption(std::int32_t label_type, float value, float max);

}  // namespace qd
