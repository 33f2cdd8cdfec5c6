#include "InkScan.h"

#include <QColor>

namespace addrell::test {

namespace {

bool isInk(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

QRect inkBounds(const QImage& image, QRect region)
{
    const QRect area = region.isEmpty() ? image.rect() : region.intersected(image.rect());
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image, x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

int inkBands(const QImage& image, QRect region)
{
    const QRect area = region.intersected(image.rect());
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x) {
            ink = isInk(image, x, y);
        }
        bands += ink && !inBand ? 1 : 0;
        inBand = ink;
    }
    return bands;
}

} // namespace addrell::test
