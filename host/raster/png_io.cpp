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

// The image as 8-bit RGB bytes and the libpng description that writes them.
struct RgbPng {
    png_image png;
    std::vector<unsigned char> rgb;
};

RgbPng rgb_png(const Image& image) {
    RgbPng p;
    p.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    std::size_t k = 0;
    for (const std::uint32_t pixel : image.pixels) {
        p.rgb[k++] = pixel & 0xFF;
        p.rgb[k++] = (pixel >> 8) & 0xFF;
        p.rgb[k++] = (pixel >> 16) & 0xFF;
    }
    std::memset(&p.png, 0, sizeof p.png);
    p.png.version = PNG_IMAGE_VERSION;
    p.png.width = static_cast<png_uint_32>(image.width);
    p.png.height = static_cast<png_uint_32>(image.height);
    p.png.format = PNG_FORMAT_RGB;
    return p;
}

}  // namespace

bool write_png(const std::string& path, const Image& image, std::string* error) {
    if (image.empty())
        return fail(error, "cannot write an empty picture to " + path);
    RgbPng p = rgb_png(image);
    if (!png_image_write_to_file(&p.png, path.c_str(), 0, p.rgb.data(), 0, nullptr))
        return fail(error, path + ": " + p.png.message);
    return true;
}

bool png_bytes(const Image& image, std::string* bytes, std::string* error) {
    if (image.empty())
        return fail(error, "an empty picture (" + std::to_string(image.width) + " x " +
                               std::to_string(image.height) + " pixels) has no PNG form");
    RgbPng p = rgb_png(image);
    // First pass measures, second pass writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&p.png, nullptr, &size, 0, p.rgb.data(), 0, nullptr))
        return fail(error, std::string("cannot encode the picture: ") + p.png.message);
    bytes->assign(size, '\0');
    if (!png_image_write_to_memory(&p.png, bytes->data(), &size, 0, p.rgb.data(), 0, nullptr))
        return fail(error, std::string("cannot encode the picture: ") + p.png.message);
    bytes->resize(size);
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
