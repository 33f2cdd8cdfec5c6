#pragma once

#include "printing/EnvelopeOptions.h"

#include <memory>
#include <optional>

namespace addrell {

namespace word {
class Application;
class Document;
class Envelope;
} // namespace word

// The options the word processor keeps outside PrintOut's arguments: the active printer, the
// printer shift and the fonts of the two address styles. They are sent to an instance only where
// they differ from what it holds, so a new instance at the defaults is sent nothing.
class WordEnvelopeSettings {
public:
    // `envelope` is `document`'s envelope, about to print.
    void send(const EnvelopeOptions& options, word::Application& application,
              const std::shared_ptr<word::Document>& document, word::Envelope& envelope);

private:
    std::weak_ptr<word::Document> m_document; // the instance's document the options went to
    std::optional<EnvelopeOptions> m_sent;    // nothing: unknown, after a failure
};

} // namespace addrell
