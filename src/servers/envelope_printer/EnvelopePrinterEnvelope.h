#pragma once

#include "automation/word/WordApplication.h"

#include <memory>

namespace addrell {

struct EnvelopePrinterBackend;

// A document's envelope: printing it renders the envelope and sends it to the backend's target.
class EnvelopePrinterEnvelope : public word::Envelope {
public:
    explicit EnvelopePrinterEnvelope(std::shared_ptr<const EnvelopePrinterBackend> backend);

    void PrintOut(const word::PrintOutArguments& arguments) override;

private:
    std::shared_ptr<const EnvelopePrinterBackend> m_backend;
};

} // namespace addrell
