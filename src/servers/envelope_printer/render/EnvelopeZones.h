#pragma once

#include <QRectF>
#include <QSizeF>

namespace addrell {

// Where the post wants the addresses on an envelope, in points on the envelope as addressed.
//
// US sizes (and any size not listed): the read area the postal scanners read, 5/8 in to 2 3/4 in
// above the bottom edge and 1/2 in from each side, the bottom 5/8 in kept for the barcode; the
// delivery address about 4 in from the left and half-way down; the return address top left,
// above the read area and left of the middle.
//
// ISO sizes (DL, C and B): the address zone the European posts recommend, kept simple: from 40 %
// down and half-way across to 15 mm from the right and bottom edges (the bottom strip is for
// the post's own codes), the delivery address at its top-left corner; the return address top
// left, above and left of that zone.
class EnvelopeZones {
public:
    [[nodiscard]] static EnvelopeZones forEnvelope(QSizeF envelopePoints);

    [[nodiscard]] QRectF returnArea() const noexcept { return m_returnArea; }
    [[nodiscard]] QRectF deliveryArea() const noexcept { return m_deliveryArea; }
    // Where the delivery block's top-left corner goes when it fits there.
    [[nodiscard]] QPointF preferredDelivery() const noexcept { return m_preferredDelivery; }

private:
    EnvelopeZones(QRectF returnArea, QRectF deliveryArea, QPointF preferredDelivery);

    QRectF m_returnArea;
    QRectF m_deliveryArea;
    QPointF m_preferredDelivery;
};

} // namespace addrell
