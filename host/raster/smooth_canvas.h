// Anti-aliased figures: the picture box's drawing in smooth mode.
//
// Each figure is a polygon (its curves flattened to within a fiftieth of a pixel, at angles
// fixed by the ellipse alone, so a figure cut at a ray keeps the rest of its outline) whose
// exact area over every pixel is its coverage, and figures are blended over each other in call
// order. Where a sector is followed by another of the same ellipse that starts inside it and
// reaches past its end (the bands of a pie), the first is cut at the second's start ray; such a
// run of sectors then tiles the ellipse and is blended as one layer, each pixel taking the bands'
// colours by their areas, so bands meet without seams. The figures since the last clear are
// kept, so a later update re-renders the pixels it touches from all of them, and an incremental
// pass gives the pixels of a full one.
#pragma once

#include <cstdint>
#include <vector>

#include "host/raster/area_coverage.h"
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
        double start = 0, end = 0, sweep = 0;   // sector: counter-clockwise from start
        bool whole = false;                     // sector: the whole ellipse
    };
    // What the render blends at once: one figure, or a run of bands that tile their ellipse.
    // Its edges lie in edges_[first..end), sorted by top.
    struct Group {
        int y0, y1;              // rows
        std::size_t first, end;  // its edges in edges_
        std::size_t next;        // the first of its edges not yet started
        std::size_t active;      // its started edges not yet ended: active_[first..first + active)
    };
    static constexpr std::size_t kMaxFigures = 1024;

    bool keep(const Figure& f);
    // The part of figure i's sector before figure i + 1's start, when i + 1 hides the rest.
    bool cut_by_next(std::size_t i, double* sweep) const;
    // Figure f's outline as edges in cells of a region starting at column `left`; a sector
    // ends at `end` after `sweep`.
    void add_outline(const Figure& f, double end, double sweep, int left);
    // Ends the group being built: its edges sorted, its rows within the region.
    void end_group(Group g, const PixelRect& region);
    void build_groups(const PixelRect& region, std::size_t from);
    // Adds the edges of group g on row y to the row's cells.
    void cover_row(Group& g, int y);
    // Blends row y's groups into `row` (the region's part of it, what was under first).
    void blend_row(std::uint32_t* row, int y);
    void render(Image& image, const PixelRect& region, std::size_t from, bool over_clear);

    std::vector<Figure> figures_;  // since the last clear or forget
    std::size_t written_ = 0;      // figures_[written_..] are not yet in the picture
    bool cleared_ = false;         // figures_ start at a clear of clear_pixel_
    bool clear_pending_ = false;
    std::uint32_t clear_pixel_ = 0;
    // The render's working rows, kept between renders.
    std::vector<Group> groups_;
    std::vector<AreaEdge> edges_;
    std::vector<std::uint32_t> active_;  // per group's edges: the started ones not yet ended
    std::vector<std::uint32_t> quiet_;   // active edges with nothing on the row
    CellRow cells_;
};

}  // namespace qd::host
