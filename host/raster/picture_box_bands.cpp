// The sector path of RasterPictureBox::Circle for a pie's band on a picture that writes figures
// at once: the band is kept back until the next call. When that call is the next band of the
// same ellipse, the kept band is written less the next one's pixels (band_pairs.h), so each
// pixel of a full pass is written once; anything else writes it whole first. The pixels are
// those of drawing the bands one by one.
#include "host/raster/band_pairs.h"
#include "host/raster/figures.h"
#include "host/raster/raster_picture_box.h"
#include "host/raster/sector_setups.h"

namespace qd::host {

namespace {

BandRays rays_of(const CachedSector& s) {
    return {s.lo[0], s.hi[0], s.y0, s.y1, s.lo_inner, s.hi_inner};
}

}  // namespace

bool RasterPictureBox::keep_band(EllipseFigure& f, const Pen& pen, const Brush& brush) {
    const bool closed = f.whole || (f.start_radius && f.end_radius);
    if (pen.draws() || !brush.visible || !closed || f.empty_sector || !brush.paint.plain() ||
        !(f.a > 0 && f.b > 0) || picture_.empty())
        return false;
    KeptBand& kept = kept_band_;
    if (kept.active && !(kept.cx == f.cx && kept.cy == f.cy && kept.a == f.a && kept.b == f.b))
        write_kept_band(nullptr);  // another ellipse: the rows are about to change
    // What the run holds (a clear) came before this band: written first, the kept band with it.
    const DeferredRun& shared = DeferredRun::shared();
    if (shared.owner() == this && !shared.empty())
        flush();
    const CachedSector* s =
        remembered_sector_setup(ellipse_rows_, f, {picture_.width, picture_.height});
    if (!s || s->nlo != 1 || s->nhi != 1) {
        write_kept_band(nullptr);
        return false;  // drawn at once
    }
    write_kept_band(s);
    kept = {true, *s, brush.paint.a, f.cx, f.cy, f.a, f.b};
    return true;
}

void RasterPictureBox::write_kept_band(const CachedSector* next) const {
    KeptBand& kept = kept_band_;
    if (!kept.active)
        return;
    kept.active = false;
    std::uint32_t* const pixels = picture_.pixels.data();
    const std::ptrdiff_t stride = picture_.width;
    const std::uint32_t pixel = kept.pixel;
    const auto fill = [pixel](std::uint32_t* p, int n) { fill_pixels(p, n, pixel); };
    const BandRays own = rays_of(kept.sector);
    if (own.y0 > own.y1)
        return;
    if (next && fill_band_less_next(ellipse_rows_, own, rays_of(*next), own.y0, own.y1, pixels,
                                    stride, fill))
        return;
    fill_band_rows(ellipse_rows_, own, own.y0, own.y1, pixels, stride, fill);
}

}  // namespace qd::host
