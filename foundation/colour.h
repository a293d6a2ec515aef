// Moved to the public tree; this name stays for the code inside the project.
#pragma once

#include <qdprogress/colour.h>

namespace qd {

// RGB's sum, inline for the band loops; RGB itself returns this.
inline OLE_COLOR compose_rgb(std::int16_t red, std::int16_t green, std::int16_t blue) {
    const std::uint32_t sum = static_cast<std::uint32_t>(red) +
                              256u * static_cast<std::uint32_t>(green) +
                              65536u * static_cast<std::uint32_t>(blue);
    return static_cast<OLE_COLOR>(sum);
}

}  // namespace qd
