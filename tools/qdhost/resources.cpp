#include "tools/qdhost/resources.h"

#include <cstdio>

namespace qd::qdhost {

namespace {

std::string four_part(const std::uint16_t (&v)[4]) {
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

// 0x00RRGGBB (palette) to 0x00BBGGRR (picture).
std::uint32_t from_palette(std::uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

}  // namespace

host::Image bitmap_picture(const BitmapDesc& bitmap) {
    host::Image image(bitmap.width, bitmap.height, 0);
    const std::size_t count = static_cast<std::size_t>(bitmap.width) * bitmap.height;
    for (std::size_t i = 0; i < count; ++i) {
        if (bitmap.bits_per_pixel == 8) {
            const std::uint8_t index = bitmap.pixels[i];
            image.pixels[i] = index < bitmap.palette_size ? from_palette(bitmap.palette[index]) : 0;
        } else {
            const std::uint8_t* bgr = bitmap.pixels + 3 * i;
            image.pixels[i] = bgr[2] | (bgr[1] << 8) | (static_cast<std::uint32_t>(bgr[0]) << 16);
        }
    }
    return image;
}

host::Image enlarged(const host::Image& image, int factor) {
    host::Image out(image.width * factor, image.height * factor, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.row(y)[x] = image.at(x / factor, y / factor);
    return out;
}

std::string version_block_text(const VersionDesc& version) {
    char language[16];
    std::snprintf(language, sizeof language, "0x%04X", version.language);
    std::string text = "file version: " + four_part(version.file_version) + "\n";
    text += "product version: " + four_part(version.product_version) + "\n";
    text += "language: " + std::string(language) + "\n";
    for (std::size_t i = 0; i < version.string_count; ++i)
        text += std::string(version.strings[i].key) + " = \"" + version.strings[i].value + "\"\n";
    return text;
}

}  // namespace qd::qdhost
