#pragma once

#include <QImage>
#include <QRect>

namespace addrell::test {

// Where dark pixels are in a region of an image (the whole image when region is empty);
// an empty rectangle when there are none.
[[nodiscard]] QRect inkBounds(const QImage& image, QRect region = {});

// How many bands of rows with ink, separated by blank rows, a region holds: one per text line.
[[nodiscard]] int inkBands(const QImage& image, QRect region);

} // namespace addrell::test
