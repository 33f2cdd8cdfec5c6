#include "printing/WordEnvelopeSettings.h"

#include "automation/RequireObject.h"
#include "automation/word/WordApplication.h"

#include <utility>

namespace addrell {

namespace {

void setFont(const std::shared_ptr<word::Style>& style, const AddressFont& font)
{
    const auto styleFont = RequireObject(style).Font();
    word::Font& target = RequireObject(styleFont);
    target.Name(font.family());
    target.Size(static_cast<float>(font.pointSize()));
    target.Bold(font.bold());
    target.Italic(font.italic());
}

} // namespace

void WordEnvelopeSettings::send(const EnvelopeOptions& options, word::Application& application,
                                const std::shared_ptr<word::Document>& document,
                                word::Envelope& envelope)
{
    if (m_document.lock() != document) {
        m_document = document;
        m_sent = EnvelopeOptions(); // what a new instance holds
    }
    // Unknown until every call has gone through.
    const std::optional<EnvelopeOptions> sent = std::exchange(m_sent, std::nullopt);
    if (!sent || sent->printer() != options.printer()) {
        application.ActivePrinter(options.printer());
    }
    if (!sent || sent->printerShift() != options.printerShift()) {
        application.SetPrinterShift(static_cast<float>(options.printerShift().x()),
                                    static_cast<float>(options.printerShift().y()));
    }
    if (!sent || sent->deliveryFont() != options.deliveryFont()) {
        setFont(envelope.AddressStyle(), options.deliveryFont());
    }
    if (!sent || sent->returnFont() != options.returnFont()) {
        setFont(envelope.ReturnAddressStyle(), options.returnFont());
    }
    m_sent = options;
}

} // namespace addrell
