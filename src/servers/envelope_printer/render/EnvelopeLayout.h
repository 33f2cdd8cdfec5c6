#pragma once

#include "envelopes/AddressFont.h"

#include <QPointF>

namespace addrell {

// How an envelope's two addresses are set beyond their texts: the fonts, where each block's
// top-left corner goes and the printer's shift. Lengths are in points on the envelope as it is
// addressed. A position of 0 from an edge leaves that one automatic, as PrintOut's
// AddressFromLeft and the like read it; the shift moves everything right and down.
class EnvelopeLayout {
public:
    EnvelopeLayout()
        : m_deliveryFont(AddressFont::delivery()), m_returnFont(AddressFont::returnAddress())
    {
    }

    [[nodiscard]] const AddressFont& deliveryFont() const noexcept { return m_deliveryFont; }
    void setDeliveryFont(AddressFont font) { m_deliveryFont = std::move(font); }
    [[nodiscard]] const AddressFont& returnFont() const noexcept { return m_returnFont; }
    void setReturnFont(AddressFont font) { m_returnFont = std::move(font); }

    [[nodiscard]] QPointF deliveryFrom() const noexcept { return m_deliveryFrom; }
    void setDeliveryFrom(QPointF fromLeftAndTop) noexcept { m_deliveryFrom = fromLeftAndTop; }
    [[nodiscard]] QPointF returnFrom() const noexcept { return m_returnFrom; }
    void setReturnFrom(QPointF fromLeftAndTop) noexcept { m_returnFrom = fromLeftAndTop; }

    [[nodiscard]] QPointF shift() const noexcept { return m_shift; }
    void setShift(QPointF rightAndDown) noexcept { m_shift = rightAndDown; }

    friend bool operator==(const EnvelopeLayout&, const EnvelopeLayout&) = default;

private:
    AddressFont m_deliveryFont;
    AddressFont m_returnFont;
    QPointF m_deliveryFrom;
    QPointF m_returnFrom;
    QPointF m_shift;
};

} // namespace addrell
