#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace addrell::pictures {

// A Windows icon file of sixteen-colour images (4 bits per pixel, the standard palette), each with
// its transparency mask.
class IconFile {
public:
    // Reduces every image to the palette; a pixel less than half opaque becomes transparent.
    // Images must be square, at most 256 pixels wide, and a multiple of 8 wide.
    [[nodiscard]] static QByteArray encode(const QList<QImage>& images);
    // The image as the icon file holds it: palette colours, fully opaque or fully transparent.
    [[nodiscard]] static QImage reduced(const QImage& image);
    [[nodiscard]] static const QList<QRgb>& palette();
};

} // namespace addrell::pictures
