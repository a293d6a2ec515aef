#include "host/raster/png_io.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace qd::host {

namespace {

bool fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

}  // namespace

bool write_png(const std::string& path, const Image& image, std::string* error) {
    if (image.empty())
        return fail(error, "cannot write an empty picture to " + path);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(image.width) * image.height * 3);
    std::size_t k = 0;
    for (std::uint32_t p : image.pixels) {
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
    if (!png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr))
        return fail(error, path + ": " + png.message);
    return true;
}

bool read_png(const std::string& path, Image* image, std::string* error) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return fail(error, path + ": " + png.message);
    png.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(png));
    png_color black{0, 0, 0};
    if (!png_image_finish_read(&png, &black, rgb.data(), 0, nullptr)) {
        png_image_free(&png);
        return fail(error, path + ": " + png.message);
    }
    *image = Image(static_cast<int>(png.width), static_cast<int>(png.height), 0);
    std::size_t k = 0;
    for (std::uint32_t& p : image->pixels) {
        p = rgb[k] | (rgb[k + 1] << 8) | (rgb[k + 2] << 16);
        k += 3;
    }
    return true;
}

}  // namespace qd::host
