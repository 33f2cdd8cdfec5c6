#include "servers/envelope_printer/EnvelopePrinterEnvelope.h"

#include "servers/envelope_printer/EnvelopePrintOut.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/EnvelopePrinterStyle.h"
#include "servers/envelope_printer/destinations/EnvelopePrintDestination.h"

#include <utility>

namespace addrell {

EnvelopePrinterEnvelope::EnvelopePrinterEnvelope(
    std::shared_ptr<const EnvelopePrinterBackend> backend,
    std::shared_ptr<const QPointF> printerShift, std::shared_ptr<AddressFont> addressFont,
    std::shared_ptr<AddressFont> returnAddressFont)
    : m_backend(std::move(backend)), m_printerShift(std::move(printerShift)),
      m_addressFont(std::move(addressFont)), m_returnAddressFont(std::move(returnAddressFont))
{
}

std::shared_ptr<word::Style> EnvelopePrinterEnvelope::AddressStyle()
{
    return std::make_shared<EnvelopePrinterStyle>(m_addressFont);
}

std::shared_ptr<word::Style> EnvelopePrinterEnvelope::ReturnAddressStyle()
{
    return std::make_shared<EnvelopePrinterStyle>(m_returnAddressFont);
}

EnvelopeJob EnvelopePrinterEnvelope::toJob(const word::PrintOutArguments& arguments) const
{
    EnvelopeLayout settings;
    settings.setDeliveryFont(*m_addressFont);
    settings.setReturnFont(*m_returnAddressFont);
    settings.setShift(*m_printerShift);
    return EnvelopePrintOut::toJob(arguments, settings);
}

void EnvelopePrinterEnvelope::PrintOut(const word::PrintOutArguments& arguments)
{
    const EnvelopeJob job = toJob(arguments);
    EnvelopePrintDestination(m_backend->target, *m_backend->spooler, *m_backend->saveLocation)
        .print(job);
}

void EnvelopePrinterEnvelope::AddToBatch(const word::PrintOutArguments& arguments)
{
    m_batch.push_back(toJob(arguments));
}

word::BatchDestination EnvelopePrinterEnvelope::PrintBatch()
{
    // Forgotten whether or not the job goes through, so a retry starts from nothing.
    const std::vector<EnvelopeJob> batch = std::exchange(m_batch, {});
    return EnvelopePrintDestination(m_backend->target, *m_backend->spooler,
                                    *m_backend->saveLocation)
        .print(batch);
}

} // namespace addrell
