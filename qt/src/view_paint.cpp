#include "qt/src/view_paint.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include <QPainter>

#include "host/raster/system_colours.h"
#include "qt/src/variant_convert.h"

namespace qd::qt::detail {

static_assert(std::endian::native == std::endian::little,
              "the view's 0x00BBGGRR words are RGBX8888 only on a little-endian machine");

double device_scale(qreal device_pixel_ratio) {
    return std::clamp(static_cast<double>(device_pixel_ratio), 1.0, 4.0);
}

QSize pixels_of(host::ControlExtent twips) {
    return {static_cast<int>(std::lround(twips.width / kTwipsPerPixel)),
            static_cast<int>(std::lround(twips.height / kTwipsPerPixel))};
}

QRect logical_rect(const host::PixelRect& damage, double scale) {
    const int x0 = static_cast<int>(std::floor(damage.x / scale));
    const int y0 = static_cast<int>(std::floor(damage.y / scale));
    const int x1 = static_cast<int>(std::ceil(damage.right() / scale));
    const int y1 = static_cast<int>(std::ceil(damage.bottom() / scale));
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

QImage wrap(const host::Image& view) {
    if (view.empty())
        return {};
    return QImage(reinterpret_cast<const uchar*>(view.pixels.data()), view.width, view.height,
                  view.width * 4, QImage::Format_RGBX8888);
}

void paint_view(QPainter& painter, const host::Image& view, double scale, const QRegion& region) {
    QImage image = wrap(view);
    image.setDevicePixelRatio(scale);
    const QRect covered(0, 0, static_cast<int>(std::floor(view.width / scale)),
                        static_cast<int>(std::floor(view.height / scale)));
    const QRegion outside = region - covered;
    if (!outside.isEmpty()) {
        std::uint32_t face = 0;
        host::resolve_colour(host::kSysButtonFace, &face);
        for (const QRect& r : outside)
            painter.fillRect(r, colour_of(face));
    }
    if (image.isNull())
        return;
    for (const QRect& r :
         region& QRegion(QRect(0, 0, static_cast<int>(std::ceil(view.width / scale)),
                               static_cast<int>(std::ceil(view.height / scale))))) {
        // The device pixels under the logical rectangle, drawn unscaled at their own place.
        const int x0 = static_cast<int>(std::floor(r.left() * scale));
        const int y0 = static_cast<int>(std::floor(r.top() * scale));
        const int x1 = std::min(view.width, static_cast<int>(std::ceil((r.right() + 1) * scale)));
        const int y1 = std::min(view.height, static_cast<int>(std::ceil((r.bottom() + 1) * scale)));
        painter.drawImage(QPointF(x0 / scale, y0 / scale), image, QRectF(x0, y0, x1 - x0, y1 - y0));
    }
}

}  // namespace qd::qt::detail
