#include "vcard/VCardReader.h"

#include "vcard/VCardPropertyParser.h"

#include <optional>
#include <utility>

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

VCardReader::VCardReader(QByteArrayView text, VCardPropertyFilter filter,
                         std::function<bool()> readError)
    : m_askReadError(std::move(readError)), m_lines(text), m_filter(filter)
{
}

qsizetype VCardReader::readAll(const CardSink& sink)
{
    qsizetype count = 0;
    const auto finish = [&] {
        sink(m_card);
        ++count;
        m_inCard = false;
    };
    while (!m_lines.atEnd()) {
        if (passedOver()) {
            continue;
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
            if (m_inCard && m_afterEmptyAgent) {
                ++m_embeddedDepth;
            } else {
                if (m_inCard && m_filled) {
                    finish(); // the card before never ended: this BEGIN shows where it did
                }
                beginCard();
            }
            m_afterEmptyAgent = false;
            continue;
        }
        m_afterEmptyAgent = property && opensEmbeddedCard(*property);
        if (m_inCard && marker == Marker::End) {
            if (m_embeddedDepth == 0) {
                finish();
            } else {
                --m_embeddedDepth;
            }
        } else if (m_inCard) {
            add(std::move(*property), line.truncated);
        }
    }
    if (m_askReadError) {
        m_readError = m_askReadError();
    }
    // The end of the input ends a card too, but a read error leaves it unfinished.
    if (m_inCard && m_filled && !m_readError) {
        finish();
    }
    return count;
}

bool VCardReader::passedOver()
{
    const auto head = VCardPropertyParser::head(m_lines.peek());
    if (!head) {
        return false;
    }
    const bool dropped =
        !head->name.isEmpty() && !isStructural(head->name) && !m_filter.keeps(head->name);
    if (head->name.isEmpty() || (dropped && (!m_inCard || m_embeddedDepth > 0 || m_filled))) {
        m_lines.skip(head->header);
        m_afterEmptyAgent = m_afterEmptyAgent && head->name.isEmpty();
        return true;
    }
    // A property the filter drops still fills an empty card unless it is cut or binary, which
    // takes a parameter to say.
    if (dropped && !head->header.contains(';')) {
        m_filled = !m_lines.next().truncated;
        m_afterEmptyAgent = false;
        return true;
    }
    return false;
}

void VCardReader::beginCard()
{
    m_card.clear();
    m_inCard = true;
    m_filled = false;
    m_embeddedDepth = 0;
    m_valueChars = 0;
}

void VCardReader::add(VCardProperty property, bool truncated)
{
    if (m_embeddedDepth > 0 || truncated || VCardPropertyParser::isBinary(property)) {
        return;
    }
    m_filled = true;
    if (m_filter.keeps(QStringView(property.name())) &&
        m_card.properties().size() < kMaxPropertiesPerCard &&
        m_valueChars + property.rawValue().size() <= kMaxCardValueChars) {
        m_valueChars += property.rawValue().size();
        m_card.append(std::move(property));
    }
}

} // namespace addrell
