// Every size the host accepts from a file, a script or a caller, in one table. The values lie
// far beyond anything a real form or script needs, and together keep a run of qdhost within a
// few hundred megabytes whatever it is fed. Readers check them where the input comes in and
// refuse with the limit's name, the value met and the limit; nothing is clamped.
// docs/user-guide.md lists the same table.
#pragma once

#include <cstdint>
#include <string>

namespace qd::host {

struct Limit {
    const char* name;  // as messages name it
    std::int64_t value;
    const char* unit;
};

// Bytes of a script, a form file or a property file.
inline constexpr Limit kMaxFileBytes{"file size", 16 * 1024 * 1024, "bytes"};
// Bytes of one line of any of them.
inline constexpr Limit kMaxLineBytes{"line length", 64 * 1024, "bytes"};
// Keys in one property file or one control's section of a form.
inline constexpr Limit kMaxKeysPerSection{"keys per section", 100'000, "keys"};
// Controls in one form file.
inline constexpr Limit kMaxControlsPerForm{"controls per form", 1'000, "controls"};
// A position or extent, in twips, on either axis: about 66,000 pixels. Checked on the number
// as read, before any integer conversion.
inline constexpr Limit kMaxTwips{"coordinate", 1'000'000, "twips"};
// Pixels of one picture: a control's view or a whole form (64 MiB of pixels).
inline constexpr Limit kMaxPicturePixels{"pixels of one picture", 16 * 1024 * 1024, "pixels"};
// Pixels of a whole form: every control's picture and the form's own, together.
inline constexpr Limit kMaxFormPixels{"pixels of a form", 48 * 1024 * 1024, "pixels"};

// "LIMIT: VALUE is over the limit of LIMIT UNIT", the text every refusal uses.
inline std::string over_limit(const Limit& limit, const std::string& value) {
    return limit.name + std::string(" ") + value + " is over the limit of " +
           std::to_string(limit.value) + " " + limit.unit;
}

inline std::string over_limit(const Limit& limit, std::int64_t value) {
    return over_limit(limit, std::to_string(value));
}

// Whether a coordinate read as a number lies within kMaxTwips (NaN does not).
inline bool within_twips(double twips) {
    return twips >= -static_cast<double>(kMaxTwips.value) &&
           twips <= static_cast<double>(kMaxTwips.value);
}

}  // namespace qd::host
