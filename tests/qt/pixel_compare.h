// Pictures compared pixel for pixel: a widget's grab() against the container's own render.
#pragma once

#include <QImage>
#include <QString>
#include <QtTest>

#include <qdprogress/image.h>

namespace qd::qt::test {

// The part of `reference` (0x00BBGGRR) at the top-left, `size` big, in RGBX8888; past the
// form's edge it goes on in the form's background (a control smaller than its place).
inline QImage reference_image(const host::Image& reference, QSize size) {
    QImage out(size, QImage::Format_RGBX8888);
    const std::uint32_t face = reference.at(reference.width - 1, reference.height - 1);
    out.fill(qRgb(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF));
    for (int y = 0; y < std::min(size.height(), reference.height); ++y)
        for (int x = 0; x < std::min(size.width(), reference.width); ++x) {
            const std::uint32_t p = reference.at(x, y);
            out.setPixel(x, y, qRgb(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF));
        }
    return out;
}

// Empty when equal; else where the first difference is and how many pixels differ. Both
// pictures are written to QD_QT_TEST_OUT under `name` then, for a look.
inline QString difference(const QImage& got, const QImage& want, const QString& name) {
    const QImage a = got.convertToFormat(QImage::Format_RGBX8888);
    const QImage b = want.convertToFormat(QImage::Format_RGBX8888);
    if (a.size() != b.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    int count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF) && count++ == 0)
                first = {x, y};
    if (count == 0)
        return {};
    const QString dir = qEnvironmentVariable("QD_QT_TEST_OUT", QStringLiteral("."));
    QString file = name;
    file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    a.save(dir + "/" + file + "_got.png");
    b.save(dir + "/" + file + "_want.png");
    return QStringLiteral("%1 pixels differ, the first at (%2, %3): %4 instead of %5")
        .arg(count)
        .arg(first.x())
        .arg(first.y())
        .arg(a.pixel(first) & 0xFFFFFF, 6, 16, QChar('0'))
        .arg(b.pixel(first) & 0xFFFFFF, 6, 16, QChar('0'));
}

}  // namespace qd::qt::test
