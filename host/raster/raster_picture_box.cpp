#include "host/raster/raster_picture_box.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/limits.h"
#include "host/raster/figures.h"
#include "host/raster/system_colours.h"

namespace qd::host {

namespace {

constexpr HRESULT kInvalidPropertyValue = runtime_error_code(ErrorNumber::InvalidPropertyValue);
constexpr HRESULT kInvalidProcedureCall = runtime_error_code(ErrorNumber::InvalidProcedureCall);

// Angles are compared as single-precision numbers, the type they arrive in.
constexpr float kTwoPiSingle = static_cast<float>(2 * std::numbers::pi);

// Pixels of an extent in twips, to the nearest pixel; -1 when it is refused. The division is
// in single precision, as the extent arrives.
int pixels_of_twips(float twips, double twips_per_pixel) {
    if (!(twips >= 0))
        return -1;
    const double px = std::floor(twips / static_cast<float>(twips_per_pixel) + 0.5);
    return px > kMaxPictureSide ? -1 : static_cast<int>(px);
}

// Whether a picture of that many pixels a side stays within the pixel limit of one picture.
bool within_pixel_limit(int width, int height) {
    return static_cast<std::int64_t>(width) * height <= kMaxPicturePixels.value;
}

HRESULT store_colour(OLE_COLOR c, std::uint32_t* slot) {
    if (c >= 0) {  // a plain colour, without the call: resolve_colour keeps its low 24 bits
        *slot = static_cast<std::uint32_t>(c) & 0x00FFFFFFu;
        return S_OK;
    }
    std::uint32_t pixel;
    if (!resolve_colour(c, &pixel))
        return kInvalidPropertyValue;
    *slot = pixel;
    return S_OK;
}

}  // namespace

ComPtr<RasterPictureBox> RasterPictureBox::make(DeviceOptions device) {
    return ComPtr<RasterPictureBox>(new RasterPictureBox(device));
}

RasterPictureBox::RasterPictureBox(DeviceOptions device)
    : device_(device),
      smooth_(device.smooth ? std::make_unique<SmoothCanvas>() : nullptr),
      edge_pixels_(static_cast<int>(std::lround(2 * device.scale))) {
    resolve_colour(kSysButtonFace, &background_);
    resolve_colour(kSysButtonText, &fore_color_);
    state_changed();
}

bool RasterPictureBox::set_background(OLE_COLOR c) {
    if (failed(store_colour(c, &background_)))
        return false;
    damage_view();
    return true;
}

RasterPictureBox::~RasterPictureBox() {
    DeferredRun& run = DeferredRun::shared();
    if (run.owner() == this) {
        run.discard();
        run.set_owner(nullptr);
    }
}

DeferredRun& RasterPictureBox::run() {
    DeferredRun& run = DeferredRun::shared();
    if (run.owner() != this) {
        if (run.owner())
            static_cast<const RasterPictureBox*>(run.owner())->flush();
        run.set_owner(this);
    }
    return run;
}

void RasterPictureBox::flush() const {
    write_kept_band(nullptr);  // before what the run holds: everything there came later
    if (smooth_) {
        smooth_->flush(picture_);
        return;
    }
    DeferredRun& run = DeferredRun::shared();
    if (run.owner() == this)
        run.flush(picture_, ellipse_rows_);
}

template <typename Field, typename Done>
HRESULT RasterPictureBox::reallocate_with(Field* field, Field value, Done&& done) {
    return guard([&] {
        const Field before = *field;
        *field = value;
        try {
            reallocate();
        } catch (...) {
            *field = before;  // out of memory: the box stays as it was
            throw;
        }
        done();
    });
}

void RasterPictureBox::make_room() {
    if (smooth_ && smooth_->full()) {
        flush();
        smooth_->forget();
    }
}

template <typename Draw>
void RasterPictureBox::draw_now(Draw&& draw) {
    flush();
    draw();
    if (smooth_)
        smooth_->forget();  // the canvas no longer knows every pixel under its figures
}

PixelRect RasterPictureBox::take_damage() {
    damage_.unite(box_damage_.take());
    const PixelRect taken = damage_;
    damage_ = {};
    damage_covers_picture_ = false;
    return taken;
}

void RasterPictureBox::add_damage(const PixelRect& rect) {
    const int edge = border_pixels();
    damage_.unite(rect.clipped(picture_.width, picture_.height).moved(edge, edge));
    damage_covers_picture_ = damage_.x <= edge && damage_.y <= edge &&
                             damage_.right() >= edge + picture_.width &&
                             damage_.bottom() >= edge + picture_.height;
}

void RasterPictureBox::damage_view() {
    damage_.unite(PixelRect{0, 0, outer_w_px_, outer_h_px_});
    damage_covers_picture_ = true;  // the picture lies inside the view
}

void RasterPictureBox::state_changed() {
    const bool fills = fill_style_ == kFillSolid;
    const bool outlines = draw_style_ != kDrawTransparent;
    const bool patterned =
        draw_width_ == 1 && draw_style_ >= kDrawDash && draw_style_ <= kDrawDashDotDot;
    plain_boxes_ = !smooth_ && draw_mode_ == kCopyPen && fill_style_ <= kFillTransparent &&
                   !(outlines && (!fills || patterned));
}

bool RasterPictureBox::resize_pixels(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
        !within_pixel_limit(width, height))
        return false;
    width_ = static_cast<float>(width * device_.twips_per_pixel());
    height_ = static_cast<float>(height * device_.twips_per_pixel());
    outer_w_px_ = width;
    outer_h_px_ = height;
    reallocate();
    return true;
}

void RasterPictureBox::reallocate() {
    const int w = std::max(0, outer_w_px_ - 2 * border_pixels());
    const int h = std::max(0, outer_h_px_ - 2 * border_pixels());
    damage_view();  // the view moved or changed size: all of it is new to the host
    if (w == picture_.width && h == picture_.height)
        return;
    flush();
    Image next(w, h, background_);
    EllipseRows rows;
    rows.reserve(h);
    const int keep_w = std::min(w, picture_.width), keep_h = std::min(h, picture_.height);
    for (int y = 0; y < keep_h; ++y)
        std::copy_n(picture_.row(y), keep_w, next.row(y));
    picture_ = std::move(next);
    ellipse_rows_ = std::move(rows);
    if (smooth_)
        smooth_->forget();
}

HRESULT RasterPictureBox::Cls() {
    kept_band_.active = false;  // hidden by the clear
    if (smooth_)
        smooth_->clear(background_);
    else if (!picture_.empty())
        run().clear(background_);  // written with the figures that follow
    else
        std::fill(picture_.pixels.begin(), picture_.pixels.end(), background_);
    add_damage({0, 0, picture_.width, picture_.height});
    return S_OK;
}

HRESULT RasterPictureBox::Circle(float x, float y, float radius, OptionalColor color,
                                 OptionalSingle start, OptionalSingle end, OptionalSingle aspect) {
    const auto angle_ok = [](const OptionalSingle& a) {
        return !a.present || (a.value >= -kTwoPiSingle && a.value <= kTwoPiSingle);
    };
    if (!angle_ok(start) || !angle_ok(end))
        return kInvalidProcedureCall;
    const double ratio = aspect.present ? aspect.value : 1.0;
    if (!std::isfinite(x) || !std::isfinite(y) || std::isnan(radius) || !(ratio > 0) ||
        !std::isfinite(ratio))
        return kInvalidProcedureCall;
    std::uint32_t line_pixel = fore_color_;
    if (color.present && failed(store_colour(color.value, &line_pixel)))
        return kInvalidPropertyValue;
    if (radius < 0)
        return S_OK;

    const double unit = units_per_pixel();
    EllipseFigure f;
    f.cx = x / unit;
    f.cy = y / unit;
    const double r = radius / unit;
    // The radius is the longer semi-axis: horizontal up to aspect 1, vertical above.
    f.a = ratio <= 1 ? r : r / ratio;
    f.b = ratio <= 1 ? r * ratio : r;
    // Start and end come as a pair; one without the other draws the whole figure.
    f.whole = !(start.present || end.present);
    if (!f.whole) {
        const float s = start.present ? start.value : 0.0f;
        const float e = end.present ? end.value : kTwoPiSingle;
        f.start = std::fabs(s);
        f.end = std::fabs(e);
        f.start_radius = std::signbit(s);
        f.end_radius = std::signbit(e);
        f.empty_sector = e == 0 && std::signbit(e);
    }
    Pen pen{Paint::make(line_pixel, draw_mode_), draw_width_, draw_style_};
    Brush brush{Paint::make(fill_color_, draw_mode_, fill_style_), fill_style_ != 1};
    make_room();
    // A kept or held band is looked up whole; every other path works out the figure's
    // directions.
    bool held = false;
    if (smooth_) {
        f.aim();
        held = smooth_->add_ellipse(f, pen, brush);
    } else if (holds_back()) {
        held = defer_ellipse(run(), ellipse_rows_, picture_, f, pen, brush);
    } else {
        held = keep_band(f, pen, brush);
    }
    if (!held) {
        f.aim();
        draw_now([&] { draw_ellipse(picture_, f, pen, brush, &ellipse_rows_); });
    }
    if (!damage_covers_picture()) {
        f.aim();
        add_damage(ellipse_bounds(f, pen));
    }
    return S_OK;
}

HRESULT RasterPictureBox::Line(float x1, float y1, float x2, float y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return kInvalidProcedureCall;
    const double unit = units_per_pixel();
    const double px1 = x1 / unit, py1 = y1 / unit, px2 = x2 / unit, py2 = y2 / unit;
    if (queue_box(px1, py1, px2, py2))
        return S_OK;
    Pen pen{Paint::make(fore_color_, draw_mode_), draw_width_, draw_style_};
    Brush brush{Paint::make(fill_color_, draw_mode_, fill_style_), fill_style_ != 1};
    make_room();
    const bool held =
        smooth_ ? smooth_->add_box(px1, py1, px2, py2, pen, brush)
                : holds_pass() && defer_box(run(), picture_, px1, py1, px2, py2, pen, brush);
    if (!held)
        draw_now([&] { draw_box(picture_, px1, py1, px2, py2, pen, brush); });
    if (!damage_covers_picture())
        add_box_damage(px1, py1, px2, py2);
    return S_OK;
}

HRESULT RasterPictureBox::put_ScaleMode(std::int16_t mode) {
    if (mode != 1 && mode != 3)
        return kInvalidPropertyValue;
    scale_mode_ = mode;
    return S_OK;
}

HRESULT RasterPictureBox::get_ScaleMode(std::int16_t* mode) {
    return return_value(scale_mode_, mode);
}

HRESULT RasterPictureBox::get_ScaleLeft(float* v) {
    return return_value(0.0f, v);
}

HRESULT RasterPictureBox::get_ScaleTop(float* v) {
    return return_value(0.0f, v);
}

HRESULT RasterPictureBox::get_ScaleWidth(float* v) {
    return return_value(static_cast<float>(picture_.width * units_per_pixel()), v);
}

HRESULT RasterPictureBox::get_ScaleHeight(float* v) {
    return return_value(static_cast<float>(picture_.height * units_per_pixel()), v);
}

HRESULT RasterPictureBox::put_FillColor(OLE_COLOR c) {
    return store_colour(c, &fill_color_);
}

HRESULT RasterPictureBox::put_FillStyle(std::int16_t style) {
    if (style < 0 || style > 7)
        return kInvalidPropertyValue;
    if (fill_style_ != style) {
        fill_style_ = style;
        state_changed();
    }
    return S_OK;
}

HRESULT RasterPictureBox::put_ForeColor(OLE_COLOR c) {
    return store_colour(c, &fore_color_);
}

HRESULT RasterPictureBox::put_DrawWidth(std::int16_t width) {
    if (width < 1)
        return kInvalidPropertyValue;
    if (draw_width_ != width) {
        draw_width_ = width;
        state_changed();
    }
    return S_OK;
}

HRESULT RasterPictureBox::put_DrawStyle(std::int16_t style) {
    if (style < 0 || style > 6)
        return kInvalidPropertyValue;
    if (draw_style_ != style) {
        draw_style_ = style;
        state_changed();
    }
    return S_OK;
}

HRESULT RasterPictureBox::put_DrawMode(std::int16_t mode) {
    if (mode < 1 || mode > 16)
        return kInvalidPropertyValue;
    if (draw_mode_ != mode) {
        draw_mode_ = mode;
        state_changed();
    }
    return S_OK;
}

HRESULT RasterPictureBox::put_BorderStyle(std::int16_t style) {
    if (style != 0 && style != 1)
        return kInvalidPropertyValue;
    return reallocate_with(&border_style_, style, [] {});
}

HRESULT RasterPictureBox::get_Left(float* v) {
    return return_value(left_, v);
}

HRESULT RasterPictureBox::put_Left(float v) {
    if (!std::isfinite(v))
        return kInvalidPropertyValue;
    left_ = v;
    return S_OK;
}

HRESULT RasterPictureBox::get_Top(float* v) {
    return return_value(top_, v);
}

HRESULT RasterPictureBox::put_Top(float v) {
    if (!std::isfinite(v))
        return kInvalidPropertyValue;
    top_ = v;
    return S_OK;
}

HRESULT RasterPictureBox::get_Width(float* v) {
    return return_value(width_, v);
}

HRESULT RasterPictureBox::put_Width(float v) {
    const int px = pixels_of_twips(v, device_.twips_per_pixel());
    if (px < 0 || !within_pixel_limit(px, outer_h_px_))
        return kInvalidPropertyValue;
    return reallocate_with(&outer_w_px_, px, [&] { width_ = v; });
}

HRESULT RasterPictureBox::get_Height(float* v) {
    return return_value(height_, v);
}

HRESULT RasterPictureBox::put_Height(float v) {
    const int px = pixels_of_twips(v, device_.twips_per_pixel());
    if (px < 0 || !within_pixel_limit(outer_w_px_, px))
        return kInvalidPropertyValue;
    return reallocate_with(&outer_h_px_, px, [&] { height_ = v; });
}

}  // namespace qd::host
