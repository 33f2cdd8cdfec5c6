#include "servers/envelope_printer/EnvelopePrintDestination.h"

#include "servers/envelope_printer/EnvelopePrinterError.h"
#include "servers/envelope_printer/EnvelopeRenderer.h"
#include "servers/envelope_printer/PdfSaveLocation.h"

#include <QDir>
#include <QPageSize>
#include <QTemporaryFile>

namespace addrell {

namespace {

const QString kJobTitle = QStringLiteral("Envelope");

[[noreturn]] void notAccepting(const QString& printer)
{
    throw envelopePrinterError(
        EnvelopePrinterError::PrinterNotAcceptingJobs,
        QStringLiteral("Printer \"%1\" is not accepting jobs. Let it accept jobs again in the "
                       "printer settings, then print the envelope again.")
            .arg(printer));
}

// The media CUPS is asked for: the PWG name of a #10 envelope, Qt's PPD-style key of another
// named size, else a custom size in whole points.
QByteArray cupsMedia(const QPageSize& pageSize)
{
    switch (pageSize.id()) {
    case QPageSize::Envelope10:
        return QByteArrayLiteral("na_number-10_4.125x9.5in");
    case QPageSize::Custom: {
        const QSize points = pageSize.sizePoints();
        return QStringLiteral("Custom.%1x%2").arg(points.width()).arg(points.height()).toUtf8();
    }
    default:
        return pageSize.key().toUtf8();
    }
}

// Never scaled: the page is already the size of what the printer feeds.
PrintOptions printOptions(const QPageSize& pageSize)
{
    return {{QByteArrayLiteral("media"), cupsMedia(pageSize)},
            {QByteArrayLiteral("print-scaling"), QByteArrayLiteral("none")},
            {QByteArrayLiteral("sides"), QByteArrayLiteral("one-sided")}};
}

// A saved PDF is for the user to look at and print later: the envelope upright, Width x Height,
// not turned for a feed the file knows nothing of.
EnvelopeRenderer uprightRenderer(const EnvelopeJob& job)
{
    const EnvelopeJob upright(job.returnAddress(), job.deliveryAddress(), job.widthPoints(),
                              job.heightPoints(), EnvelopeJob::kLeftPortrait, job.faceUp());
    return EnvelopeRenderer(upright);
}

} // namespace

EnvelopePrintDestination::EnvelopePrintDestination(PrintTarget target, PrintSpooler& spooler,
                                                   PdfSaveLocation& saveLocation)
    : m_target(std::move(target)), m_spooler(spooler), m_saveLocation(saveLocation)
{
}

void EnvelopePrintDestination::print(const EnvelopeJob& job) const
{
    const EnvelopeRenderer renderer(job);
    switch (m_target.kind()) {
    case PrintTarget::Kind::PdfFile:
        saveAsPdf(m_target.name(), uprightRenderer(job));
        return;
    case PrintTarget::Kind::Printer:
        printOn(m_target.name(), m_spooler.availability(m_target.name()), renderer);
        return;
    case PrintTarget::Kind::DefaultPrinter:
        break;
    }
    const std::optional<QString> printer = m_spooler.defaultPrinter();
    const PrinterAvailability availability =
        printer ? m_spooler.availability(*printer) : PrinterAvailability::Missing;
    // A default the server no longer knows is no printer at all, as for a desktop without one.
    if (availability == PrinterAvailability::Missing) {
        askAndSaveAsPdf(uprightRenderer(job));
        return;
    }
    printOn(*printer, availability, renderer);
}

void EnvelopePrintDestination::printOn(const QString& printer, PrinterAvailability availability,
                                       const EnvelopeRenderer& renderer) const
{
    switch (availability) {
    case PrinterAvailability::Missing:
        throw envelopePrinterError(
            EnvelopePrinterError::PrinterNotFound,
            QStringLiteral("Printer \"%1\" cannot be found. Check that it is installed and that "
                           "the print service is running.")
                .arg(printer));
    case PrinterAvailability::NotAcceptingJobs:
        notAccepting(printer);
    case PrinterAvailability::Accepting:
        break;
    }

    QTemporaryFile spoolFile(QDir::tempPath() + QStringLiteral("/addrell-envelope-XXXXXX.pdf"));
    if (!spoolFile.open() || !renderer.writePdf(spoolFile.fileName())) {
        throw envelopePrinterError(
            EnvelopePrinterError::SpoolFailed,
            QStringLiteral("The envelope could not be prepared for printer \"%1\": no file can "
                           "be written in %2. Free some disk space, then print again.")
                .arg(printer, QDir::toNativeSeparators(QDir::tempPath())));
    }
    const std::optional<SpoolFailure> failure = m_spooler.submit(
        printer, spoolFile.fileName(), kJobTitle, printOptions(renderer.pageSize()));
    if (!failure) {
        return;
    }
    if (failure->notAcceptingJobs) {
        notAccepting(printer);
    }
    throw envelopePrinterError(
        EnvelopePrinterError::SpoolFailed,
        QStringLiteral("The envelope could not be sent to printer \"%1\": %2")
            .arg(printer, failure->message));
}

void EnvelopePrintDestination::saveAsPdf(const QString& fileName,
                                         const EnvelopeRenderer& renderer) const
{
    if (!renderer.writePdf(fileName)) {
        throw envelopePrinterError(
            EnvelopePrinterError::PdfNotWritten,
            QStringLiteral("The envelope could not be saved as \"%1\". Choose a folder you can "
                           "write to, then print again.")
                .arg(QDir::toNativeSeparators(fileName)));
    }
}

void EnvelopePrintDestination::askAndSaveAsPdf(const EnvelopeRenderer& renderer) const
{
    const std::optional<QString> fileName = m_saveLocation.askPdfFileName();
    if (!fileName) {
        throw envelopePrinterError(EnvelopePrinterError::PrintCancelled,
                                   QStringLiteral("The print job was cancelled."));
    }
    saveAsPdf(*fileName, renderer);
}

} // namespace addrell
