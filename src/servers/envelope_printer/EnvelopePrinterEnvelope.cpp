#include "servers/envelope_printer/EnvelopePrinterEnvelope.h"

#include "servers/envelope_printer/EnvelopePrintOut.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/destinations/EnvelopePrintDestination.h"

#include <utility>

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

void EnvelopePrinterEnvelope::AddToBatch(const word::PrintOutArguments& arguments)
{
    m_batch.push_back(EnvelopePrintOut::toJob(arguments));
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
