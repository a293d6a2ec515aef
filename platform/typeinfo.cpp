#include "platform/typeinfo.h"

#include "foundation/ascii.h"

namespace qd {

const ClassDesc* find_class(const LibraryDesc& lib, const char* name) {
    for (std::size_t i = 0; i < lib.class_count; ++i)
        if (iequals_ascii(lib.classes[i].name, name))
            return &lib.classes[i];
    return nullptr;
}

const ClassDesc* find_class(const LibraryDesc& lib, const Guid& clsid) {
    for (std::size_t i = 0; i < lib.class_count; ++i)
        if (lib.classes[i].clsid == clsid)
            return &lib.classes[i];
    return nullptr;
}

std::optional<std::uint32_t> bitmap_pixel(const BitmapDesc& bitmap, int x, int y) {
    const std::size_t i = static_cast<std::size_t>(y) * bitmap.width + x;
    if (bitmap.bits_per_pixel != 8) {
        const std::uint8_t* bgr = bitmap.pixels + 3 * i;
        return bgr[2] | (bgr[1] << 8) | (static_cast<std::uint32_t>(bgr[0]) << 16);
    }
    const std::uint8_t index = bitmap.pixels[i];
    if (!bitmap.palette || index >= bitmap.palette_size)
        return std::nullopt;
    const std::uint32_t rgb = bitmap.palette[index];  // 0x00RRGGBB
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace qd
