// Colour values as the surface understands them: a plain colour 0x00BBGGRR, or a system colour
// 0x80000000 + index translated through the table of the desktop's current scheme.
#pragma once

#include <cstdint>

#include "foundation/colour.h"

namespace qd::host {

// Index of a few system colours the host itself uses.
inline constexpr OLE_COLOR kSysButtonFace = static_cast<OLE_COLOR>(0x8000000Fu);
inline constexpr OLE_COLOR kSysButtonText = static_cast<OLE_COLOR>(0x80000012u);
inline constexpr OLE_COLOR kSysButtonShadow = static_cast<OLE_COLOR>(0x80000010u);
inline constexpr OLE_COLOR kSysButtonHighlight = static_cast<OLE_COLOR>(0x80000014u);
inline constexpr OLE_COLOR kSys3DDarkShadow = static_cast<OLE_COLOR>(0x80000015u);
inline constexpr OLE_COLOR kSys3DLight = static_cast<OLE_COLOR>(0x80000016u);

// Translates a colour value into the pixel value 0x00BBGGRR. A system colour whose index lies
// outside the table is refused (false). A plain value with bits in its top byte keeps its low
// 24 bits, as a device ignores the flag byte of a colour reference.
bool resolve_colour(OLE_COLOR c, std::uint32_t* pixel);

}  // namespace qd::host
