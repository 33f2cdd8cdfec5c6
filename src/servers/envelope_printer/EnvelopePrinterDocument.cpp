#include "servers/envelope_printer/EnvelopePrinterDocument.h"

#include "servers/envelope_printer/EnvelopePrinterEnvelope.h"

namespace addrell {

EnvelopePrinterDocument::EnvelopePrinterDocument(
    std::shared_ptr<const EnvelopePrinterBackend> backend,
    std::shared_ptr<const QPointF> printerShift)
    : m_backend(std::move(backend)), m_printerShift(std::move(printerShift)),
      m_addressFont(std::make_shared<AddressFont>(AddressFont::delivery())),
      m_returnAddressFont(std::make_shared<AddressFont>(AddressFont::returnAddress()))
{
}

std::shared_ptr<word::Envelope> EnvelopePrinterDocument::Envelope()
{
    // A new envelope each time, so a batch left unprinted is not carried into the next.
    return std::make_shared<EnvelopePrinterEnvelope>(m_backend, m_printerShift, m_addressFont,
                                                     m_returnAddressFont);
}

} // namespace addrell
