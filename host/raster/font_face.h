// The label's font: a sans-serif face found once through fontconfig and rendered by FreeType.
//
// Text is measured from glyph advances cached per size, so measuring a caption (as every progress
// update does) never loads or rasterises a glyph after the first use of a size. Without a usable
// face the sizes are estimated from the point size and nothing is drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "host/raster/image.h"

namespace qd::host {

struct TextMetrics {
    double width = 0;  // pixels: the sum of the advances
    int ascent = 0;    // pixels above the baseline
    int height = 0;    // pixels of one line
};

class FontFace {
  public:
    // The process's face, looked up on first use.
    static FontFace& shared();

    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;
    ~FontFace();

    bool available() const;
    // The file the face came from ("" when none was found).
    const char* path() const;

    // `points` at 96 dots per inch.
    TextMetrics measure(std::string_view utf8, float points);
    // Blends the text in `pixel` into `image` with its baseline starting at (x, baseline), only
    // within the rectangle clip_x0..clip_x1, clip_y0..clip_y1 (inclusive).
    void draw(Image& image, double x, int baseline, std::string_view utf8, float points,
              std::uint32_t pixel, int clip_x0, int clip_y0, int clip_x1, int clip_y1);

  private:
    struct Impl;
    FontFace();
    std::unique_ptr<Impl> impl_;
};

}  // namespace qd::host
