#include "servers/envelope_printer/render/EnvelopeZones.h"

#include "envelopes/EnvelopeSizes.h"

#include <algorithm>

namespace addrell {

namespace {

constexpr double kInch = 72.0;
constexpr double kMillimeter = kInch / 25.4;
// Where the return address starts, on every size.
const QPointF kReturnOrigin(0.4 * kInch, 0.25 * kInch);

bool isIsoSize(QSizeF envelope)
{
    const auto size = EnvelopeSizes::matching(envelope);
    return size && size->unit() == EnvelopeSize::Unit::Millimeter;
}

QRectF returnAreaAbove(QPointF deliveryCorner)
{
    return {kReturnOrigin, QPointF(std::max(deliveryCorner.x(), kReturnOrigin.x()),
                                   std::max(deliveryCorner.y(), kReturnOrigin.y()))};
}

} // namespace

EnvelopeZones::EnvelopeZones(QRectF returnArea, QRectF deliveryArea, QPointF preferredDelivery)
    : m_returnArea(returnArea), m_deliveryArea(deliveryArea), m_preferredDelivery(preferredDelivery)
{
}

EnvelopeZones EnvelopeZones::forEnvelope(QSizeF envelope)
{
    const double width = envelope.width();
    const double height = envelope.height();
    if (isIsoSize(envelope)) {
        const QPointF corner(0.5 * width, 0.4 * height);
        const QPointF far(std::max(width - 15.0 * kMillimeter, corner.x()),
                          std::max(height - 15.0 * kMillimeter, corner.y()));
        return {returnAreaAbove(corner), QRectF(corner, far), corner};
    }
    const double readTop = std::max(height - 2.75 * kInch, height / 3.0);
    const double readBottom = std::max(height - 0.625 * kInch, readTop);
    const double readLeft = 0.5 * kInch;
    const double readRight = std::max(width - 0.5 * kInch, readLeft);
    return {returnAreaAbove(QPointF(width / 2.0, readTop)),
            QRectF(QPointF(readLeft, readTop), QPointF(readRight, readBottom)),
            QPointF(std::min(4.0 * kInch, width / 2.0), height / 2.0)};
}

} // namespace addrell
