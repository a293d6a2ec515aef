// Anti-aliased figures: the picture box's drawing in smooth mode.
//
// Each pixel is sampled on a 4 x 4 grid. Every sample belongs to the last figure covering it,
// so where two sectors share a ray each sample is painted once and the edge pixel is split
// between their colours by area: neighbouring bands meet without seams or dark lines. The
// figures since the last clear are kept, so a later update re-renders the pixels it touches
// from all of them, and an incremental pass gives the pixels of a full one.
#pragma once

#include <cstdint>
#include <vector>

#include "host/raster/coverage.h"
#include "host/raster/figures.h"
#include "host/raster/image.h"
#include "host/raster/pixel_rect.h"

namespace qd::host {

class SmoothCanvas {
  public:
    // A clear of the whole picture: the figures kept so far are hidden and dropped.
    void clear(std::uint32_t pixel);
    // Keeps a filled sector or ellipse of one plain colour and a solid outline of a whole
    // ellipse; false, keeping nothing, for what must be drawn at once (hatches, raster
    // operations, dashed pens, arcs and radii).
    bool add_ellipse(const EllipseFigure& f, const Pen& pen, const Brush& brush);
    // Keeps a box of plain colours, its edges where the coordinates fall (not rounded).
    bool add_box(double x1, double y1, double x2, double y2, const Pen& pen, const Brush& brush);
    // The picture was drawn on outside the canvas: later figures are blended over it.
    void forget();
    // Writes the figures not yet written (and what they touch) into `image`.
    void flush(Image& image);
    // Whether the kept figures leave no room for another figure's two parts: the host then
    // flushes and forgets them, and the next figures blend over the picture.
    bool full() const { return figures_.size() + 2 > kMaxFigures; }
    bool pending() const { return clear_pending_ || written_ < figures_.size(); }

  private:
    enum class Kind : std::uint8_t { Sector, Ring, Rect };
    struct Figure {
        Kind kind;
        std::uint32_t pixel;
        PixelRect bounds;
        double cx = 0, cy = 0, a = 0, b = 0;    // sector: ellipse; ring: outer ellipse
        double ai = 0, bi = 0;                  // ring: inner ellipse
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // rect: edges
        Wedge wedge = Wedge::full();
    };
    static constexpr std::size_t kMaxFigures = 1024;
    static constexpr int kGrid = 8;  // samples a side of a pixel

    bool keep(const Figure& f);
    // Samples of row `y_sample` (pixel coordinates) that figure `f` covers, as up to two
    // ranges of sample columns; a sector's ellipse is sector_hw wide either side on that row.
    int sample_spans(const Figure& f, double y_sample, double sector_hw, int out[4]) const;
    // Whether the samples of pixel x on the current row all belong to `owner`.
    bool uniform(int x, int row_samples, std::uint16_t owner) const;
    // Averages the samples of each pixel of one row (the owners filled for it) into `row`.
    void blend_row(std::uint32_t* row, int w, int row_samples, bool over_clear);
    void render(Image& image, const PixelRect& region, std::size_t from, bool over_clear);

    std::vector<Figure> figures_;  // since the last clear or forget
    std::size_t written_ = 0;      // figures_[written_..] are not yet in the picture
    bool cleared_ = false;         // figures_ start at a clear of clear_pixel_
    bool clear_pending_ = false;
    std::uint32_t clear_pixel_ = 0;
    std::vector<std::uint16_t> owners_;   // a row's samples: 0 for none, else figure + 1
    std::vector<std::uint32_t> colours_;  // by owner: what was under, then each figure
};

}  // namespace qd::host
