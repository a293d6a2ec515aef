// The container's picture box: a persistent 32-bit picture that the controls draw on.
//
// The picture covers the inner area only (inside the sunken edge of BorderStyle 1); the edge
// itself is part of the control's view and is added when the view is composed. Figures are clipped
// to the picture. Changing Width, Height or BorderStyle reallocates the picture to the new inner
// size: the part of the old picture that still fits stays where it was, and any new area shows
// the background colour.
//
// Figure conventions beyond the obvious ones (see Circle):
//  - an end angle of negative zero marks an empty sector: the sector from the start angle round
//    to 0 is not filled and no arc is drawn, only the radii (if the pen draws). A positive zero
//    or a tiny positive end angle is an ordinary angle.
//  - equal start and end angles give an empty arc: the radii alone.
//  - a negative radius draws nothing; a non-positive or non-finite aspect, and non-finite
//    coordinates, are refused with InvalidProcedureCall.
//  - angles are accepted within -2 pi..2 pi as single-precision numbers, so the single nearest
//    to 2 pi (a hair above it) still passes.
#pragma once

#include <climits>
#include <cstdint>
#include <memory>

#include "host/raster/box_edges.h"
#include "host/raster/deferred_run.h"
#include "host/raster/ellipse_rows.h"
#include "host/raster/figures.h"
#include "host/raster/image.h"
#include "host/raster/pixel_rect.h"
#include "host/raster/smooth_canvas.h"
#include "host/twips.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

// The largest picture a box allocates, in pixels a side.
inline constexpr int kMaxPictureSide = 16384;

class RasterPictureBox : public ComObject<RasterPictureBox, IPictureBox> {
  public:
    static ComPtr<RasterPictureBox> make(DeviceOptions device = {});
    ~RasterPictureBox() override;

    // ---- IPictureBox ----
    QD_PICTURE_BOX_OVERRIDES

    // ---- The host's side ----
    // The picture, with every figure still held back written into it.
    const Image& picture() const {
        flush();
        return picture_;
    }
    Image& picture() {
        flush();
        return picture_;
    }
    std::int16_t border_style() const { return border_style_; }
    int border_pixels() const { return border_style_ == 1 ? edge_pixels_ : 0; }
    int outer_width_px() const { return outer_w_px_; }
    int outer_height_px() const { return outer_h_px_; }
    // Scale units per pixel in the current ScaleMode (15 / scale for twips, 1 for pixels).
    double units_per_pixel() const { return scale_mode_ == 1 ? device_.twips_per_pixel() : 1.0; }
    std::uint32_t background_pixel() const { return background_; }
    // The colour Cls clears to (default: the button face system colour). False if refused.
    bool set_background(OLE_COLOR c);
    // Sets the outer size in pixels directly (tests, benchmarks); false beyond the size limit.
    bool resize_pixels(int width, int height);

    // Pictures of at least this many pixels hold figures back (deferred_run.h): beyond the
    // second-level cache, writing each pixel to memory once pays for the bookkeeping.
    static constexpr std::size_t kHoldBackPixels = 256 * 1024;

    // ---- Device and damage ----
    const DeviceOptions& device() const { return device_; }
    // The union of what changed since the last take, in pixels of the view (the outer extent,
    // edge included, as compose_view draws it); empty when nothing changed. Taking it resets it.
    PixelRect take_damage();
    // Marks `rect`, in pixels of the picture (the inner area), as changed; clipped to it.
    void add_damage(const PixelRect& rect);
    // Whether the damage already holds the whole picture (after a Cls, say): a figure's bounds
    // then add nothing, and need not be worked out.
    bool damage_covers_picture() const { return damage_covers_picture_; }
    // Writes the figures held back for one pass (see DeferredRun); a host calls it when a
    // control's call ends, before it reads the pixels directly.
    void flush() const;

  private:
    explicit RasterPictureBox(DeviceOptions device);
    // The thread's run of held-back figures, claimed for this picture.
    DeferredRun& run();
    bool holds_back() const { return picture_.pixels.size() >= kHoldBackPixels; }
    // Boxes are held on any picture after a held clear: a whole pass of boxes paints each kind
    // of row once.
    bool holds_pass() const {
        const DeferredRun& run = DeferredRun::shared();
        return holds_back() || (run.owner() == this && run.clears());
    }
    // A smooth canvas that keeps too many figures writes them and starts afresh.
    void make_room();
    // Draws what neither the run nor the smooth canvas takes, after writing what they hold.
    template <typename Draw>
    void draw_now(Draw&& draw);
    void damage_view();
    // Works out plain_boxes_ from the drawing state; the setters call it.
    void state_changed();
    // Keeps a pie's band (a plain sector of one ray a side on a picture that writes at once)
    // until the next call, writing the band kept before it less the new one's pixels; false,
    // having written what was kept, when the figure is drawn at once.
    bool keep_band(EllipseFigure& f, const Pen& pen, const Brush& brush);
    // Writes the kept band, less the pixels of `next` (the band drawn after it) when given.
    void write_kept_band(const CachedSector* next) const;
    // Queues a copy-pen box of plain colours on a picture that holds figures back, as
    // defer_box would, and adds its damage; false, having done nothing, when the box takes
    // Line's general path.
    bool queue_box(double x1, double y1, double x2, double y2);
    // Adds box_bounds of the box in the current pen to the damage.
    void add_box_damage(double x1, double y1, double x2, double y2);
    // The rows of a box from y1 to y2 in the current pen, clipped to the picture: a pass of
    // bands repeats them, so the last ones are kept with what they came from.
    struct RowAxis {
        double y1 = 0, y2 = -1;  // nothing at first
        std::int16_t pen_width = 0, pen_style = 0;
        int height = -1;
        int fill0 = 0, fill1 = -1;     // the interior's rows (none when fill1 < fill0)
        int out0 = 0, out1 = -1;       // the outline's outer rows
        int in0 = 0, in1 = -1;         // the hole's rows
        bool has_hole = false;         // unclipped, as BoxEdges has it
        bool near = false;             // within bound_span's reach
        int damage0 = 0, damage1 = 0;  // damage rows, one past the last
    };
    // Works out and keeps the rows of a box from y1 to y2 (queue_box first asks the kept ones).
    const RowAxis& row_axis(double y1, double y2);
    // The union of queued boxes' damage in view pixels, edges one past the last; folded into
    // damage_ when the damage is taken (a union does not mind the order).
    struct BoxDamage {
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        PixelRect take();
    };

    void reallocate();
    // Sets *field to `value` and reallocates the picture, then runs `done`; when the
    // reallocation fails *field is restored and the failure is the result.
    template <typename Field, typename Done>
    HRESULT reallocate_with(Field* field, Field value, Done&& done);

    mutable Image picture_;     // written late: reads flush the run first
    EllipseRows ellipse_rows_;  // the last filled ellipse's spans, sized with the picture
    DeviceOptions device_;
    std::unique_ptr<SmoothCanvas> smooth_;  // smooth mode only
    int edge_pixels_ = 2;                   // the sunken edge's width at this scale
    PixelRect damage_;                      // in view pixels
    bool damage_covers_picture_ = false;    // damage_ holds the whole picture
    // The drawing state lets Line queue a box straight away (queue_box): copy pen, a solid or
    // transparent fill, and an outline only over a solid fill in an unpatterned pen.
    bool plain_boxes_ = false;
    std::uint32_t background_;
    std::int16_t scale_mode_ = 1;
    std::int16_t border_style_ = 0;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // twips
    int outer_w_px_ = 0, outer_h_px_ = 0;
    // Drawing state; colours are kept resolved to pixels.
    std::uint32_t fill_color_ = 0;
    std::uint32_t fore_color_ = 0;
    std::int16_t fill_style_ = 1;
    std::int16_t draw_width_ = 1;
    std::int16_t draw_style_ = 0;
    std::int16_t draw_mode_ = 13;
    // The band keep_band holds back, with its ellipse.
    struct KeptBand {
        bool active = false;
        CachedSector sector;
        std::uint32_t pixel = 0;
        double cx = 0, cy = 0, a = 0, b = 0;
    };
    mutable KeptBand kept_band_;
    RowAxis row_axis_;
    BoxDamage box_damage_;
};

}  // namespace qd::host
