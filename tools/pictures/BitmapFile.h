#pragma once

#include <QByteArray>
#include <QImage>

namespace addrell::pictures {

// A Windows bitmap file: 24 bits per pixel, uncompressed, rows from the bottom up.
class BitmapFile {
public:
    [[nodiscard]] static QByteArray encode(const QImage& image);
};

} // namespace addrell::pictures
