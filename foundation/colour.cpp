#include "foundation/colour.h"

#include <cmath>

#include "foundation/numeric.h"

namespace qd {

// Each step divides in double precision, where the division is exact, and floors to 32 bits.
std::int32_t GetBlue(OLE_COLOR c) {
    return floor_i32(static_cast<double>(c) / 65536.0);
}

std::int32_t GetGreen(OLE_COLOR c) {
    const double m =
        static_cast<double>(c) - 65536.0 * std::floor(static_cast<double>(c) / 65536.0);
    return floor_i32(m / 256.0);
}

std::int32_t GetRed(OLE_COLOR c) {
    const double m =
        static_cast<double>(c) - 65536.0 * std::floor(static_cast<double>(c) / 65536.0);
    return floor_i32(m - 256.0 * std::floor(m / 256.0));
}

OLE_COLOR RGB(std::int16_t red, std::int16_t green, std::int16_t blue) {
    return compose_rgb(red, green, blue);
}

}  // namespace qd
