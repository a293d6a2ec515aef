#include "tools/qdhost/resources.h"

#include <cstdio>

namespace qd::qdhost {

namespace {

std::string four_part(const std::uint16_t (&v)[4]) {
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

}  // namespace

// Pixels outside the palette are black.
host::Image bitmap_picture(const BitmapDesc& bitmap) {
    host::Image image(bitmap.width, bitmap.height, 0);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x)
            image.row(y)[x] = bitmap_pixel(bitmap, x, y).value_or(0);
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
