// Pictures the host writes for people: PNG files that replace an older file atomically, so a
// viewer never sees half a picture and a failed write leaves the old one whole.
#pragma once

#include <string>

#include "host/persist/atomic_file.h"
#include "host/raster/image.h"

namespace qd::host {

// The PNG bytes of `image` (8-bit RGB). Throws FileWriteError for an empty picture.
std::string encode_png(const Image& image);

// Encodes `image` and writes it to `path` atomically; throws FileWriteError naming the file.
// `write` stands in for the write step (tests make it fail).
void save_png(const std::string& path, const Image& image, const WriteBytes& write = write_all);

}  // namespace qd::host
