#include "servers/envelope_printer/EnvelopePrinterApplication.h"

#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/EnvelopePrinterDocument.h"
#include "servers/envelope_printer/render/EnvelopePrinterError.h"

namespace addrell {

std::shared_ptr<EnvelopePrinterApplication>
EnvelopePrinterApplication::create(EnvelopePrinterBackend backend)
{
    return std::shared_ptr<EnvelopePrinterApplication>(new EnvelopePrinterApplication(
        std::make_shared<const EnvelopePrinterBackend>(std::move(backend))));
}

EnvelopePrinterApplication::EnvelopePrinterApplication(
    std::shared_ptr<const EnvelopePrinterBackend> backend)
    : m_backend(std::move(backend))
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
    m_documents.push_back(std::make_shared<EnvelopePrinterDocument>(m_backend));
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

} // namespace addrell
