#include "servers/envelope_printer/EnvelopePrinterApplication.h"

#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/EnvelopePrinterDocument.h"
#include "servers/envelope_printer/destinations/PrintSpooler.h"
#include "servers/envelope_printer/render/EnvelopePrinterError.h"

#include <cmath>

namespace addrell {

std::shared_ptr<EnvelopePrinterApplication>
EnvelopePrinterApplication::create(EnvelopePrinterBackend backend)
{
    return std::shared_ptr<EnvelopePrinterApplication>(new EnvelopePrinterApplication(
        std::make_shared<EnvelopePrinterBackend>(std::move(backend))));
}

EnvelopePrinterApplication::EnvelopePrinterApplication(
    std::shared_ptr<EnvelopePrinterBackend> backend)
    : m_backend(std::move(backend)), m_printerShift(std::make_shared<QPointF>())
{
}

void EnvelopePrinterApplication::requireRunning() const
{
    if (m_quit) {
        throw envelopePrinterError(kServerGone, QStringLiteral("The RPC server is unavailable."));
    }
}

std::shared_ptr<word::Documents> EnvelopePrinterApplication::Documents()
{
    requireRunning();
    return std::shared_ptr<word::Documents>(shared_from_this(), this);
}

std::shared_ptr<word::Document> EnvelopePrinterApplication::Add(const Variant& /*Template*/,
                                                                const Variant& /*NewTemplate*/,
                                                                const Variant& /*DocumentType*/,
                                                                const Variant& /*Visible*/)
{
    requireRunning();
    m_documents.push_back(std::make_shared<EnvelopePrinterDocument>(m_backend, m_printerShift));
    return m_documents.back();
}

std::shared_ptr<word::Document> EnvelopePrinterApplication::ActiveDocument()
{
    requireRunning();
    if (m_documents.empty()) {
        throw envelopePrinterError(
            kNoDocument,
            QStringLiteral("This command is not available because no document is open."));
    }
    return m_documents.back();
}

void EnvelopePrinterApplication::Quit(const Variant& /*SaveChanges*/,
                                      const Variant& /*OriginalFormat*/,
                                      const Variant& /*RouteDocument*/)
{
    requireRunning();
    m_documents.clear();
    m_quit = true;
}

QString EnvelopePrinterApplication::ActivePrinter()
{
    requireRunning();
    switch (m_backend->target.kind()) {
    case PrintTarget::Kind::DefaultPrinter:
        return m_backend->spooler->defaultPrinter().value_or(QString());
    case PrintTarget::Kind::AskPdfFile:
        return word::kSaveAsPdfPrinter;
    case PrintTarget::Kind::Printer:
    case PrintTarget::Kind::PdfFile:
        break;
    }
    return m_backend->target.name();
}

void EnvelopePrinterApplication::ActivePrinter(const QString& value)
{
    requireRunning();
    if (value.isEmpty()) {
        m_backend->target = PrintTarget::defaultPrinter();
    } else if (value == word::kSaveAsPdfPrinter) {
        m_backend->target = PrintTarget::askPdfFile();
    } else if (m_backend->spooler->availability(value) == PrinterAvailability::Missing) {
        throw envelopePrinterError(
            EnvelopePrinterError::PrinterNotFound,
            QStringLiteral("Printer \"%1\" cannot be found. Choose another printer in the "
                           "envelope options.")
                .arg(value));
    } else {
        m_backend->target = PrintTarget::printer(value);
    }
}

void EnvelopePrinterApplication::SetPrinterShift(float Right, float Down)
{
    requireRunning();
    if (!std::isfinite(Right) || !std::isfinite(Down)) {
        throw envelopePrinterError(RuntimeError::InvalidProcedureCall,
                                   QStringLiteral("Invalid procedure call or argument: the "
                                                  "printer shift is no number of points."));
    }
    *m_printerShift = QPointF(Right, Down);
}

} // namespace addrell
