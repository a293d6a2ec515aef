// Between the control's device pixels and the widget's logical ones: the view wrapped as a
// QImage without a copy, damage as an update rectangle, and painting 1:1 in device pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <qdprogress/control_types.h>
#include <qdprogress/device.h>
#include <qdprogress/image.h>

class QPainter;

namespace qd::qt::detail {

inline constexpr float kTwipsPerPixel = 15;  // at scale 1, a logical pixel

// The device scale the container draws for on a screen of this ratio (1 to 4).
double device_scale(qreal device_pixel_ratio);

// Logical pixels of an extent in twips, rounded.
QSize pixels_of(host::ControlExtent twips);

// The logical rectangle that covers `damage` (device pixels) at `scale`.
QRect logical_rect(const host::PixelRect& damage, double scale);

// The view's pixels as a QImage that shares them (0x00BBGGRR is RGBX8888 in memory on a
// little-endian machine); valid while `view` is unchanged.
QImage wrap(const host::Image& view);

// Paints `view` 1:1 in device pixels over `region`, and the form's button face wherever the
// view does not reach.
void paint_view(QPainter& painter, const host::Image& view, double scale, const QRegion& region);

}  // namespace qd::qt::detail
