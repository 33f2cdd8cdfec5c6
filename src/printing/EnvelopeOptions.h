#pragma once

#include "envelopes/AddressFont.h"
#include "envelopes/EnvelopeSize.h"

#include <QPointF>
#include <QString>

#include <optional>

namespace addrell {

// What the user chose for the envelopes printed: the size, the printer, the fonts, where each
// address goes and how far this printer's envelopes land off true. The defaults are the envelope
// the program has always printed: US #10, the desktop's default printer, Times New Roman 12 and
// 10 points, both addresses placed automatically, no shift. Lengths are in points.
class EnvelopeOptions {
public:
    // The printer that saves a PDF where the user says instead of printing. No print queue can
    // have this name: theirs hold no spaces.
    static const QString kSaveAsPdf;

    EnvelopeOptions();

    [[nodiscard]] const EnvelopeSize& size() const noexcept { return m_size; }
    void setSize(EnvelopeSize size) { m_size = std::move(size); }
    // The sides as the word processor is given them, in inches: a #10 as the 4.13 x 9.5 in it
    // has always been given.
    [[nodiscard]] float heightInches() const;
    [[nodiscard]] float widthInches() const;

    // A print queue's name, kSaveAsPdf, or empty for the desktop's default printer.
    [[nodiscard]] const QString& printer() const noexcept { return m_printer; }
    void setPrinter(QString printer) { m_printer = std::move(printer); }
    [[nodiscard]] bool savesAsPdf() const { return m_printer == kSaveAsPdf; }

    [[nodiscard]] const AddressFont& deliveryFont() const noexcept { return m_deliveryFont; }
    void setDeliveryFont(AddressFont font) { m_deliveryFont = std::move(font); }
    [[nodiscard]] const AddressFont& returnFont() const noexcept { return m_returnFont; }
    void setReturnFont(AddressFont font) { m_returnFont = std::move(font); }

    // Where a block's top-left corner goes, from the left and top edges of the envelope as it is
    // addressed; nothing places it automatically. A distance of 0 leaves that one automatic, as
    // the word processor reads it.
    [[nodiscard]] std::optional<QPointF> deliveryPosition() const noexcept
    {
        return m_deliveryPosition;
    }
    void setDeliveryPosition(std::optional<QPointF> position) { m_deliveryPosition = position; }
    [[nodiscard]] std::optional<QPointF> returnPosition() const noexcept
    {
        return m_returnPosition;
    }
    void setReturnPosition(std::optional<QPointF> position) { m_returnPosition = position; }

    // Right and down (negative: left and up), moving everything printed on every envelope.
    [[nodiscard]] QPointF printerShift() const noexcept { return m_printerShift; }
    void setPrinterShift(QPointF shift) noexcept { m_printerShift = shift; }

    friend bool operator==(const EnvelopeOptions&, const EnvelopeOptions&) = default;

private:
    EnvelopeSize m_size;
    QString m_printer;
    AddressFont m_deliveryFont;
    AddressFont m_returnFont;
    std::optional<QPointF> m_deliveryPosition;
    std::optional<QPointF> m_returnPosition;
    QPointF m_printerShift;
};

} // namespace addrell
