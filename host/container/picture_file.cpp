#include "host/container/picture_file.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace qd::host {

std::string encode_png(const Image& image) {
    if (image.empty())
        throw FileWriteError("an empty picture (" + std::to_string(image.width) + " x " +
                             std::to_string(image.height) + " pixels) has no PNG form");
    std::vector<unsigned char> rgb(static_cast<std::size_t>(image.width) * image.height * 3);
    std::size_t k = 0;
    for (const std::uint32_t p : image.pixels) {
        rgb[k++] = p & 0xFF;
        rgb[k++] = (p >> 8) & 0xFF;
        rgb[k++] = (p >> 16) & 0xFF;
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    // First pass measures, second pass writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&png, nullptr, &size, 0, rgb.data(), 0, nullptr))
        throw FileWriteError(std::string("cannot encode the picture: ") + png.message);
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, rgb.data(), 0, nullptr))
        throw FileWriteError(std::string("cannot encode the picture: ") + png.message);
    bytes.resize(size);
    return bytes;
}

void save_png(const std::string& path, const Image& image, const WriteBytes& write) {
    std::string bytes;
    try {
        bytes = encode_png(image);
    } catch (const FileWriteError& e) {
        throw FileWriteError(path + ": " + e.what());
    }
    write_file_atomically(path, bytes, write);
}

}  // namespace qd::host
