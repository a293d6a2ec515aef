// The surface's figures drawn on a picture: ellipses, arcs, sectors and boxes.
//
// Coordinates are pixels (pixel centres at whole numbers) and the picture is the clip. The
// interior is painted first with the brush, then the outline with the pen, each as spans.
#pragma once

#include <cmath>

#include "host/raster/coverage.h"
#include "host/raster/ellipse_figure.h"
#include "host/raster/image.h"
#include "host/raster/paint.h"
#include "host/raster/pixel_rect.h"

namespace qd::host {

// Line styles of the pen.
enum DrawStyleValue : int {
    kDrawSolid = 0,
    kDrawDash = 1,
    kDrawDot = 2,
    kDrawDashDot = 3,
    kDrawDashDotDot = 4,
    kDrawTransparent = 5,
    kDrawInsideSolid = 6,
};

struct Pen {
    Paint paint;
    int width = 1;  // pixels, >= 1
    int style = kDrawSolid;
    bool draws() const { return style != kDrawTransparent; }
    // Dashes and dots exist only for one-pixel pens; wider pens draw solid.
    bool patterned() const { return width == 1 && style >= kDrawDash && style <= kDrawDashDotDot; }
};

struct Brush {
    Paint paint;
    bool visible = false;  // false for the transparent fill style
};

class EllipseRows;
class DeferredRun;

// `rows`, when given, keeps the ellipse's spans between calls: a picture box's pie bands all
// share one ellipse.
void draw_ellipse(Image& image, const EllipseFigure& f, const Pen& pen, const Brush& brush,
                  EllipseRows* rows = nullptr);

// The box with corners (x1, y1) and (x2, y2), both corners included.
void draw_box(Image& image, double x1, double y1, double x2, double y2, const Pen& pen,
              const Brush& brush);

// Queues the figure on `run` when it is a plain copy the run can hold (a filled sector or
// ellipse of one colour through the cached rows, a solid outline of a whole ellipse, a box of
// plain colours); false, having queued nothing, when it must be drawn now (after a flush).
bool defer_ellipse(DeferredRun& run, EllipseRows& rows, const Image& image, EllipseFigure& f,
                   const Pen& pen, const Brush& brush);
bool defer_box(DeferredRun& run, const Image& image, double x1, double y1, double x2, double y2,
               const Pen& pen, const Brush& brush);

// The pixels draw_ellipse and draw_box may change (a little generous, never short), unclipped.
PixelRect ellipse_bounds(const EllipseFigure& f, const Pen& pen);
PixelRect box_bounds(double x1, double y1, double x2, double y2, const Pen& pen);

// Whether a patterned pen is on at `pos` pixels along its path.
bool pen_pattern_on(int style, double pos);

}  // namespace qd::host
