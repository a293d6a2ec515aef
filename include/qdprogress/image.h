// A 32-bit picture: one pixel per word in the colour layout 0x00BBGGRR, rows top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qd::host {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width;
    }
    std::uint32_t at(int x, int y) const { return row(y)[x]; }
};

}  // namespace qd::host
