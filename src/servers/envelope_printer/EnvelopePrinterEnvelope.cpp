#include "servers/envelope_printer/EnvelopePrinterEnvelope.h"

#include "servers/envelope_printer/EnvelopePrintDestination.h"
#include "servers/envelope_printer/EnvelopePrintOut.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"

namespace addrell {

EnvelopePrinterEnvelope::EnvelopePrinterEnvelope(
    std::shared_ptr<const EnvelopePrinterBackend> backend)
    : m_backend(std::move(backend))
{
}

void EnvelopePrinterEnvelope::PrintOut(const word::PrintOutArguments& arguments)
{
    const EnvelopeJob job = EnvelopePrintOut::toJob(arguments);
    EnvelopePrintDestination(m_backend->target, *m_backend->spooler, *m_backend->saveLocation)
        .print(job);
}

} // namespace addrell
