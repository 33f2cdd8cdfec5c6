#pragma once

#include "automation/word/WordApplication.h"
#include "envelopes/AddressFont.h"

#include <QPointF>

#include <memory>

namespace addrell {

struct EnvelopePrinterBackend;

// A blank document; all it offers is its envelope, whose address styles it keeps.
class EnvelopePrinterDocument : public word::Document {
public:
    EnvelopePrinterDocument(std::shared_ptr<const EnvelopePrinterBackend> backend,
                            std::shared_ptr<const QPointF> printerShift);

    [[nodiscard]] std::shared_ptr<word::Envelope> Envelope() override;

private:
    std::shared_ptr<const EnvelopePrinterBackend> m_backend;
    std::shared_ptr<const QPointF> m_printerShift;
    std::shared_ptr<AddressFont> m_addressFont;
    std::shared_ptr<AddressFont> m_returnAddressFont;
};

} // namespace addrell
