#include "host/container/picture_file.h"

#include "host/raster/png_io.h"

namespace qd::host {

std::string encode_png(const Image& image) {
    std::string bytes;
    std::string error;
    if (!png_bytes(image, &bytes, &error))
        throw FileWriteError(error);
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
