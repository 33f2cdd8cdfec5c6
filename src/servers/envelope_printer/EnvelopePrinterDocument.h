#pragma once

#include "automation/word/WordApplication.h"

#include <memory>

namespace addrell {

struct EnvelopePrinterBackend;

// A blank document; all it offers is its envelope.
class EnvelopePrinterDocument : public word::Document {
public:
    explicit EnvelopePrinterDocument(std::shared_ptr<const EnvelopePrinterBackend> backend);

    [[nodiscard]] std::shared_ptr<word::Envelope> Envelope() override;

private:
    std::shared_ptr<const EnvelopePrinterBackend> m_backend;
};

} // namespace addrell
