// Colour channels of a 0x00BBGGRR colour value, and the RGB composition.
//
// The split works on any 32-bit value by the same arithmetic: red and green are the low and
// second bytes; blue is the value shifted right by 16 with its sign kept, so a system colour
// (high bit set) has a negative blue channel and a value above 0xFFFFFF a blue above 255.
#pragma once

#include <cstdint>

namespace qd {

using OLE_COLOR = std::int32_t;

std::int32_t GetRed(OLE_COLOR c);
std::int32_t GetGreen(OLE_COLOR c);
std::int32_t GetBlue(OLE_COLOR c);

// red + 256 * green + 65536 * blue. Channels outside 0..255 are not clamped: the sum is taken
// in 32-bit arithmetic and wraps like the host runtime's composition does for out-of-range
// channels (only colour values outside 0..0xFFFFFF can produce them).
OLE_COLOR RGB(std::int16_t red, std::int16_t green, std::int16_t blue);

}  // namespace qd
