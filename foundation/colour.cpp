#include "foundation/colour.h"

namespace qd {

// The channels are defined by floored division: blue = floor(c / 65536), green = floor of the
// remainder mod 65536 over 256, red = the remainder mod 256. On a 32-bit value these are exactly
// the arithmetic shift and the byte masks (floored division by a power of two is the shift with
// the sign kept; a floored remainder is the masked low bits), and no result can leave 32 bits.
std::int32_t GetBlue(OLE_COLOR c) {
    return c >> 16;
}

std::int32_t GetGreen(OLE_COLOR c) {
    return (c >> 8) & 0xFF;
}

std::int32_t GetRed(OLE_COLOR c) {
    return c & 0xFF;
}

OLE_COLOR RGB(std::int16_t red, std::int16_t green, std::int16_t blue) {
    return compose_rgb(red, green, blue);
}

}  // namespace qd
