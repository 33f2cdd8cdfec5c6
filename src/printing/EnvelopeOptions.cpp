#include "printing/EnvelopeOptions.h"

#include "automation/word/WordApplication.h"
#include "envelopes/EnvelopeSizes.h"

namespace addrell {

namespace {

// The #10 envelope as the program has always described it to the word processor.
constexpr float kNumber10HeightInches = 4.13F;
constexpr float kNumber10WidthInches = 9.5F;

} // namespace

const QString EnvelopeOptions::kSaveAsPdf = word::kSaveAsPdfPrinter;

EnvelopeOptions::EnvelopeOptions()
    : m_size(EnvelopeSizes::number10()), m_deliveryFont(AddressFont::delivery()),
      m_returnFont(AddressFont::returnAddress())
{
}

float EnvelopeOptions::heightInches() const
{
    return m_size == EnvelopeSizes::number10() ? kNumber10HeightInches
                                               : static_cast<float>(m_size.heightInches());
}

float EnvelopeOptions::widthInches() const
{
    return m_size == EnvelopeSizes::number10() ? kNumber10WidthInches
                                               : static_cast<float>(m_size.widthInches());
}

} // namespace addrell
