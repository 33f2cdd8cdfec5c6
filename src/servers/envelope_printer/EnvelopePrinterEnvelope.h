#pragma once

#include "automation/word/WordApplication.h"
#include "servers/envelope_printer/render/EnvelopeJob.h"

#include <memory>
#include <vector>

namespace addrell {

struct EnvelopePrinterBackend;

// A document's envelope: printing it renders the envelope and sends it to the backend's target.
class EnvelopePrinterEnvelope : public word::Envelope {
public:
    explicit EnvelopePrinterEnvelope(std::shared_ptr<const EnvelopePrinterBackend> backend);

    void PrintOut(const word::PrintOutArguments& arguments) override;
    void AddToBatch(const word::PrintOutArguments& arguments) override;
    [[nodiscard]] word::BatchDestination PrintBatch() override;

private:
    std::shared_ptr<const EnvelopePrinterBackend> m_backend;
    std::vector<EnvelopeJob> m_batch;
};

} // namespace addrell
