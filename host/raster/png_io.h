// Pictures to and from PNG files (8-bit RGB), through libpng.
#pragma once

#include <string>

#include "host/raster/image.h"

namespace qd::host {

// Writes `image` as an RGB PNG. On failure returns false and, if given, says why in *error.
bool write_png(const std::string& path, const Image& image, std::string* error = nullptr);

// Encodes `image` as the same RGB PNG into *bytes. On failure returns false and, if given, says
// why in *error.
bool png_bytes(const Image& image, std::string* bytes, std::string* error = nullptr);

// Reads any PNG into an opaque image (alpha is composed over black). False on failure.
bool read_png(const std::string& path, Image* image, std::string* error = nullptr);

}  // namespace qd::host
