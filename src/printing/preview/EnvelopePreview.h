#pragma once

#include "servers/envelope_printer/render/EnvelopeRenderer.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace addrell {

class EnvelopeOptions;

// The envelope as the print job prints it with these options and texts (size, fonts, positions,
// shift), drawn upright by the envelope printer's own renderer: the options dialog's preview.
// Cheap enough to make afresh at every change.
class EnvelopePreview {
public:
    // Texts as the address boxes hold them, lines in CR LF; either may be empty. Throws
    // AutomationError 5 for options no envelope can be printed with: a position off the
    // envelope, a font size outside AddressFont's range.
    EnvelopePreview(const EnvelopeOptions& options, const QString& returnText,
                    const QString& deliveryText);

    // Width (the long side) x height, in whole points.
    [[nodiscard]] QSizeF sizePoints() const;
    // The envelope fills the painter's whole device; give the device sizePoints()'s proportions.
    void paint(QPainter& painter) const;
    // On white paper; at 50 dots per inch a #10 envelope is 475 x 206 pixels.
    [[nodiscard]] QImage toImage(double dotsPerInch) const;

private:
    EnvelopeRenderer m_renderer;
};

} // namespace addrell
