// The container's unit: twips, 1440 to the inch, 15 to a pixel at 96 dots per inch.
#pragma once

namespace qd::host {

inline constexpr float kTwipsPerPixel = 15.0f;

}  // namespace qd::host
