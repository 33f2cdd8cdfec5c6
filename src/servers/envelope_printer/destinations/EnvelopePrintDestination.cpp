#include "servers/envelope_printer/destinations/EnvelopePrintDestination.h"

#include "envelopes/EnvelopeSizes.h"
#include "servers/envelope_printer/destinations/PdfSaveLocation.h"
#include "servers/envelope_printer/render/EnvelopePrinterError.h"

#include <QDir>
#include <QPageSize>
#include <QTemporaryFile>

namespace addrell {

namespace {

const QString kJobTitle = QStringLiteral("Envelope");
const QString kBatchTitle = QStringLiteral("Envelopes");

[[noreturn]] void notAccepting(const QString& printer)
{
    throw envelopePrinterError(
        EnvelopePrinterError::PrinterNotAcceptingJobs,
        QStringLiteral("Printer \"%1\" is not accepting jobs. Let it accept jobs again in the "
                       "printer settings, then print the envelope again.")
            .arg(printer));
}

// The media CUPS is asked for: the PWG name of a listed envelope size, either way round, Qt's
// PPD-style key of another named size, else a custom size in whole points.
QByteArray cupsMedia(const QPageSize& pageSize)
{
    if (const auto envelope = EnvelopeSizes::matching(pageSize.size(QPageSize::Point))) {
        return envelope->media();
    }
    if (pageSize.id() == QPageSize::Custom) {
        const QSize points = pageSize.sizePoints();
        return QStringLiteral("Custom.%1x%2").arg(points.width()).arg(points.height()).toUtf8();
    }
    return pageSize.key().toUtf8();
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
std::vector<EnvelopeRenderer> uprightPages(std::span<const EnvelopeJob> jobs)
{
    std::vector<EnvelopeRenderer> pages;
    for (const EnvelopeJob& job : jobs) {
        pages.emplace_back(job.upright());
    }
    return pages;
}

} // namespace

EnvelopePrintDestination::EnvelopePrintDestination(PrintTarget target, PrintSpooler& spooler,
                                                   PdfSaveLocation& saveLocation)
    : m_target(std::move(target)), m_spooler(spooler), m_saveLocation(saveLocation)
{
}

void EnvelopePrintDestination::print(const EnvelopeJob& job) const
{
    static_cast<void>(print(std::span(&job, 1)));
}

word::BatchDestination EnvelopePrintDestination::print(std::span<const EnvelopeJob> jobs) const
{
    if (jobs.empty()) {
        return {}; // nothing to print is no job at all
    }
    switch (m_target.kind()) {
    case PrintTarget::Kind::PdfFile:
        saveAsPdf(m_target.name(), uprightPages(jobs));
        return {true, m_target.name()};
    case PrintTarget::Kind::AskPdfFile:
        return {true, askAndSaveAsPdf(uprightPages(jobs))};
    case PrintTarget::Kind::Printer:
        printOn(m_target.name(), m_spooler.availability(m_target.name()),
                {jobs.begin(), jobs.end()});
        return {false, m_target.name()};
    case PrintTarget::Kind::DefaultPrinter:
        break;
    }
    const std::optional<QString> printer = m_spooler.defaultPrinter();
    const PrinterAvailability availability =
        printer ? m_spooler.availability(*printer) : PrinterAvailability::Missing;
    // A default the server no longer knows is no printer at all, as for a desktop without one.
    if (availability == PrinterAvailability::Missing) {
        return {true, askAndSaveAsPdf(uprightPages(jobs))};
    }
    printOn(*printer, availability, {jobs.begin(), jobs.end()});
    return {false, *printer};
}
void EnvelopePrintDestination::printOn(const QString& printer, PrinterAvailability availability,
                                       const Pages& pages) const
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
    if (!spoolFile.open() || !EnvelopeRenderer::writePdf(pages, spoolFile.fileName())) {
        throw envelopePrinterError(
            EnvelopePrinterError::SpoolFailed,
            QStringLiteral("The envelope could not be prepared for printer \"%1\": no file can "
                           "be written in %2. Free some disk space, then print again.")
                .arg(printer, QDir::toNativeSeparators(QDir::tempPath())));
    }
    const std::optional<SpoolFailure> failure =
        m_spooler.submit(printer, spoolFile.fileName(), pages.size() == 1 ? kJobTitle : kBatchTitle,
                         printOptions(pages.front().pageSize()));
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

void EnvelopePrintDestination::saveAsPdf(const QString& fileName, const Pages& pages) const
{
    if (!EnvelopeRenderer::writePdf(pages, fileName)) {
        throw envelopePrinterError(
            EnvelopePrinterError::PdfNotWritten,
            QStringLiteral("The envelope could not be saved as \"%1\". Choose a folder you can "
                           "write to, then print again.")
                .arg(QDir::toNativeSeparators(fileName)));
    }
}

QString EnvelopePrintDestination::askAndSaveAsPdf(const Pages& pages) const
{
    const std::optional<QString> fileName = m_saveLocation.askPdfFileName();
    if (!fileName) {
        throw envelopePrinterError(EnvelopePrinterError::PrintCancelled,
                                   QStringLiteral("The print job was cancelled."));
    }
    saveAsPdf(*fileName, pages);
    return *fileName;
}

} // namespace addrell
