#include "servers/address_book/VCardReader.h"

#include "servers/address_book/VCardPropertyParser.h"

#include <optional>

namespace addrell {

namespace {

enum class Marker { None, Begin, End };

// BEGIN:VCARD and END:VCARD as almost every writer puts them, known without parsing.
Marker plainMarker(QByteArrayView line)
{
    if (VCardPropertyFilter::sameName(line, "BEGIN:VCARD")) {
        return Marker::Begin;
    }
    return VCardPropertyFilter::sameName(line, "END:VCARD") ? Marker::End : Marker::None;
}

Marker markerOf(const VCardProperty& property)
{
    if (property.rawValue().trimmed().compare(u"VCARD", Qt::CaseInsensitive) != 0) {
        return Marker::None;
    }
    if (property.name() == u"BEGIN") {
        return Marker::Begin;
    }
    return property.name() == u"END" ? Marker::End : Marker::None;
}

// vCard 2.1 embeds an agent's card right after an empty AGENT property.
bool opensEmbeddedCard(const VCardProperty& property)
{
    return property.name() == u"AGENT" && property.rawValue().trimmed().isEmpty();
}

// The properties that shape the cards, read whatever the filter keeps.
bool isStructural(QByteArrayView name)
{
    return VCardPropertyFilter::sameName(name, "BEGIN") ||
           VCardPropertyFilter::sameName(name, "END") ||
           VCardPropertyFilter::sameName(name, "AGENT");
}

QByteArray readToEnd(QIODevice& device, bool& readError)
{
    constexpr qsizetype kChunkBytes = 64 * 1024;
    QByteArray bytes;
    qsizetype size = 0;
    for (;;) {
        if (bytes.size() - size < kChunkBytes) {
            bytes.resize(qMax(bytes.size() * 2, size + kChunkBytes));
        }
        const qint64 got = device.read(bytes.data() + size, bytes.size() - size);
        if (got <= 0) {
            readError = got < 0 || !device.atEnd();
            break;
        }
        size += got;
    }
    bytes.resize(size);
    return bytes;
}

} // namespace

VCardReader::VCardReader(QIODevice& device, VCardPropertyFilter filter)
    : m_read(readToEnd(device, m_readError)), m_text(std::in_place, m_read),
      m_lines(m_text->view()), m_filter(filter)
{
}

VCardReader::VCardReader(QByteArrayView text, VCardPropertyFilter filter, bool readError)
    : m_readError(readError), m_lines(text), m_filter(filter)
{
}

qsizetype VCardReader::readAll(const CardSink& sink)
{
    qsizetype count = 0;
    VCard card;
    bool inCard = false;
    // Whether the card took a property, which the filter may have dropped: a card with nothing
    // in it is none.
    bool filled = false;
    int embeddedDepth = 0;
    bool afterEmptyAgent = false;
    qsizetype valueChars = 0;
    const auto begin = [&] {
        card.clear();
        inCard = true;
        filled = false;
        embeddedDepth = 0;
        valueChars = 0;
    };
    const auto finish = [&] {
        sink(card);
        ++count;
        inCard = false;
    };
    while (!m_lines.atEnd()) {
        if (const auto head = VCardPropertyParser::head(m_lines.peek())) {
            const bool dropped =
                !head->name.isEmpty() && !isStructural(head->name) && !m_filter.keeps(head->name);
            if (head->name.isEmpty() || (dropped && (!inCard || embeddedDepth > 0 || filled))) {
                m_lines.skip(head->header);
                afterEmptyAgent = afterEmptyAgent && head->name.isEmpty();
                continue;
            }
            // A property the filter drops still fills an empty card unless it is cut or binary,
            // which takes a parameter to say.
            if (dropped && !head->header.contains(';')) {
                filled = !m_lines.next().truncated;
                afterEmptyAgent = false;
                continue;
            }
        }
        const VCardLineReader::Line line = m_lines.next();
        std::optional<VCardProperty> property;
        Marker marker = plainMarker(line.text);
        if (marker == Marker::None) {
            property = VCardPropertyParser::parse(line.text);
            if (!property) {
                continue;
            }
            marker = markerOf(*property);
        }
        if (marker == Marker::Begin) {
            if (inCard && afterEmptyAgent) {
                ++embeddedDepth;
            } else {
                if (inCard && filled) {
                    finish(); // the card before never ended: this BEGIN shows where it did
                }
                begin();
            }
            afterEmptyAgent = false;
            continue;
        }
        afterEmptyAgent = property && opensEmbeddedCard(*property);
        if (!inCard) {
            continue;
        }
        if (marker == Marker::End) {
            if (embeddedDepth == 0) {
                finish();
            } else {
                --embeddedDepth;
            }
            continue;
        }
        if (embeddedDepth > 0 || line.truncated || VCardPropertyParser::isBinary(*property)) {
            continue;
        }
        if (!m_filter.keeps(QStringView(property->name()))) {
            filled = true;
            continue;
        }
        if (card.properties().size() < kMaxPropertiesPerCard &&
            valueChars + property->rawValue().size() <= kMaxCardValueChars) {
            valueChars += property->rawValue().size();
            card.append(std::move(*property));
            filled = true;
        }
    }
    // The end of the input ends a card too, but a read error leaves it unfinished.
    if (inCard && filled && !m_readError) {
        finish();
    }
    return count;
}

} // namespace addrell
