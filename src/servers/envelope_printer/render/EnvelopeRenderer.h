#pragma once

#include "servers/envelope_printer/render/EnvelopeJob.h"
#include "servers/envelope_printer/render/EnvelopePlacement.h"

#include <QImage>
#include <QPageSize>

#include <span>

class QPainter;

namespace addrell {

// Draws one envelope: the return address at the top left, the delivery address where the post
// reads it (EnvelopeZones), or each where the job's layout puts it, moved by the printer's shift
// and turned on the page as the feed needs. Text that does not fit shrinks (and, past a readable
// size, long lines are cut short), so nothing is drawn off the envelope but by the shift.
// The options dialog's preview draws with it too.
class EnvelopeRenderer {
public:
    explicit EnvelopeRenderer(EnvelopeJob job);

    // The page in whole points; an exact match, so a #10 envelope page is Qt's "Env10".
    [[nodiscard]] QPageSize pageSize() const;

    // Paints the page onto the painter's device, the page filling the whole device.
    void paint(QPainter& painter) const;
    // The page on white paper at the given resolution.
    [[nodiscard]] QImage toImage(double dotsPerInch) const;
    // A one-page PDF of the page; false when the file cannot be written.
    [[nodiscard]] bool writePdf(const QString& fileName) const;
    // One PDF with a page for each envelope, in order; false when the file cannot be written.
    [[nodiscard]] static bool writePdf(std::span<const EnvelopeRenderer> pages,
                                       const QString& fileName);

private:
    EnvelopeJob m_job;
    EnvelopePlacement m_placement;
};

} // namespace addrell
