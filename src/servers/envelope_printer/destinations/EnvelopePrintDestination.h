#pragma once

#include "automation/word/WordApplication.h"
#include "servers/envelope_printer/destinations/PrintSpooler.h"
#include "servers/envelope_printer/destinations/PrintTarget.h"
#include "servers/envelope_printer/render/EnvelopeRenderer.h"

#include <span>
#include <vector>

namespace addrell {

class PdfSaveLocation;

// Sends a rendered envelope to its target. A printer gets a PDF page of exactly the envelope's
// size with CUPS told the media and never to scale; with no printer at all the
// user is asked where to save the envelope as PDF instead. Failures are thrown as
// AutomationError with the EnvelopePrinterError numbers and the source "Envelope Printer".
// The spooler and the save location must outlive this object.
class EnvelopePrintDestination {
public:
    EnvelopePrintDestination(PrintTarget target, PrintSpooler& spooler,
                             PdfSaveLocation& saveLocation);

    [[nodiscard]] const PrintTarget& target() const noexcept { return m_target; }

    void print(const EnvelopeJob& job) const;
    // Every envelope as one job of one page each: one print job, or one PDF file.
    [[nodiscard]] word::BatchDestination print(std::span<const EnvelopeJob> jobs) const;

private:
    using Pages = std::vector<EnvelopeRenderer>;

    void printOn(const QString& printer, PrinterAvailability availability,
                 const Pages& pages) const;
    void saveAsPdf(const QString& fileName, const Pages& pages) const;
    [[nodiscard]] QString askAndSaveAsPdf(const Pages& pages) const;

    PrintTarget m_target;
    PrintSpooler& m_spooler;
    PdfSaveLocation& m_saveLocation;
};

} // namespace addrell
