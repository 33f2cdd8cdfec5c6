#pragma once

#include "automation/word/WordApplication.h"
#include "envelopes/AddressFont.h"
#include "servers/envelope_printer/render/EnvelopeJob.h"

#include <QPointF>

#include <memory>
#include <vector>

namespace addrell {

struct EnvelopePrinterBackend;

// A document's envelope: printing it renders the envelope, in the document's address fonts and
// moved by the printer's shift, and sends it to the backend's target.
class EnvelopePrinterEnvelope : public word::Envelope {
public:
    EnvelopePrinterEnvelope(std::shared_ptr<const EnvelopePrinterBackend> backend,
                            std::shared_ptr<const QPointF> printerShift,
                            std::shared_ptr<AddressFont> addressFont,
                            std::shared_ptr<AddressFont> returnAddressFont);

    void PrintOut(const word::PrintOutArguments& arguments) override;
    [[nodiscard]] std::shared_ptr<word::Style> AddressStyle() override;
    [[nodiscard]] std::shared_ptr<word::Style> ReturnAddressStyle() override;
    void AddToBatch(const word::PrintOutArguments& arguments) override;
    [[nodiscard]] word::BatchDestination PrintBatch() override;

private:
    [[nodiscard]] EnvelopeJob toJob(const word::PrintOutArguments& arguments) const;

    std::shared_ptr<const EnvelopePrinterBackend> m_backend;
    std::shared_ptr<const QPointF> m_printerShift;
    std::shared_ptr<AddressFont> m_addressFont;
    std::shared_ptr<AddressFont> m_returnAddressFont;
    std::vector<EnvelopeJob> m_batch;
};

} // namespace addrell
