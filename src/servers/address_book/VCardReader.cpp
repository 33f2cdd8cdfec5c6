#include "servers/address_book/VCardReader.h"

#include "servers/address_book/VCardPropertyParser.h"

#include <utility>

namespace addrell {

namespace {

bool isMarker(const VCardProperty& property, QStringView name)
{
    return property.name() == name &&
           property.rawValue().trimmed().compare(u"VCARD", Qt::CaseInsensitive) == 0;
}

// vCard 2.1 embeds an agent's card right after an empty AGENT property.
bool opensEmbeddedCard(const VCardProperty& property)
{
    return property.name() == u"AGENT" && property.rawValue().trimmed().isEmpty();
}

} // namespace

VCardReader::VCardReader(QIODevice& device) : m_lines(device) {}

std::optional<VCard> VCardReader::next()
{
    std::optional<VCard> card;
    if (std::exchange(m_cardBegun, false)) {
        card.emplace();
    }
    int embeddedDepth = 0;
    bool afterEmptyAgent = false;
    qsizetype valueChars = 0;
    while (const std::optional<VCardLineReader::Line> line = m_lines.next()) {
        std::optional<VCardProperty> property = VCardPropertyParser::parse(line->text);
        if (!property) {
            continue;
        }
        if (isMarker(*property, u"BEGIN")) {
            if (card && afterEmptyAgent) {
                ++embeddedDepth;
            } else if (card && !card->properties().isEmpty()) {
                // The card before never ended: this BEGIN shows where it did.
                m_cardBegun = true;
                return card;
            } else {
                card.emplace();
                embeddedDepth = 0;
                valueChars = 0;
            }
            afterEmptyAgent = false;
            continue;
        }
        afterEmptyAgent = opensEmbeddedCard(*property);
        if (!card) {
            continue;
        }
        if (isMarker(*property, u"END")) {
            if (embeddedDepth == 0) {
                return card;
            }
            --embeddedDepth;
            continue;
        }
        const bool keep = embeddedDepth == 0 && !line->truncated &&
                          !VCardPropertyParser::isBinary(*property) &&
                          card->properties().size() < kMaxPropertiesPerCard &&
                          valueChars + property->rawValue().size() <= kMaxCardValueChars;
        if (keep) {
            valueChars += property->rawValue().size();
            card->append(std::move(*property));
        }
    }
    // The end of the input ends a card too, but a read error leaves it unfinished.
    if (card && !card->properties().isEmpty() && !m_lines.hasReadError()) {
        return card;
    }
    return std::nullopt;
}

qsizetype VCardReader::readAll(const CardSink& sink)
{
    qsizetype count = 0;
    while (const std::optional<VCard> card = next()) {
        sink(*card);
        ++count;
    }
    return count;
}

} // namespace addrell
