#include "servers/envelope_printer/EnvelopePrinterDocument.h"

#include "servers/envelope_printer/EnvelopePrinterEnvelope.h"

namespace addrell {

EnvelopePrinterDocument::EnvelopePrinterDocument(
    std::shared_ptr<const EnvelopePrinterBackend> backend)
    : m_backend(std::move(backend))
{
}

std::shared_ptr<word::Envelope> EnvelopePrinterDocument::Envelope()
{
    return std::make_shared<EnvelopePrinterEnvelope>(m_backend);
}

} // namespace addrell
