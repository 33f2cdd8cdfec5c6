#include "servers/address_book/VCardInput.h"

#include <utility>

namespace addrell {

namespace {

constexpr qsizetype kChunkBytes = 16 * 1024;
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

bool needsNormalizing(char c)
{
    return c == '\r' || c == '\xEF';
}

} // namespace

VCardInput::VCardInput(QIODevice& device)
    : m_device(device), m_chunk(kChunkBytes, Qt::Uninitialized)
{
}

QByteArrayView VCardInput::read()
{
    while (!m_ended) {
        const std::optional<QByteArrayView> bytes = readUtf8();
        m_text.resize(0);
        if (!bytes) {
            m_ended = true;
            flushCarriageReturns();
            m_text.append(m_markStart); // not a mark after all
            return m_text;
        }
        if (bytes->isEmpty()) {
            continue; // half a UTF-16 character
        }
        if (m_carriageReturns == 0 && m_markStart.isEmpty() && !bytes->contains('\r') &&
            !bytes->contains('\xEF')) {
            return *bytes; // most input: nothing to change
        }
        normalize(*bytes);
        if (!m_text.isEmpty()) {
            return m_text;
        }
    }
    return {};
}

std::optional<QByteArrayView> VCardInput::readUtf8()
{
    qint64 count = 0;
    // The first read takes at least the two bytes of a UTF-16 mark, however the device hands
    // them out.
    do {
        const qint64 got = m_device.read(m_chunk.data() + count, kChunkBytes - count);
        if (got <= 0) {
            if (count > 0) {
                break;
            }
            m_readError = got < 0 || !m_device.atEnd();
            return std::nullopt;
        }
        count += got;
    } while (!m_started && count < 2);
    const QByteArrayView bytes(m_chunk.constData(), count);
    if (!m_started) {
        m_started = true;
        if (bytes.startsWith("\xFF\xFE")) {
            m_utf16.emplace(QStringDecoder::Utf16LE);
        } else if (bytes.startsWith("\xFE\xFF")) {
            m_utf16.emplace(QStringDecoder::Utf16BE);
        }
    }
    if (!m_utf16) {
        return bytes;
    }
    QString text = std::exchange(m_highSurrogate, QString()) + m_utf16->decode(bytes);
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        m_highSurrogate = text.back(); // its pair comes with the next chunk
        text.chop(1);
    }
    m_utf8 = text.toUtf8();
    return QByteArrayView(m_utf8);
}

void VCardInput::normalize(QByteArrayView text)
{
    QByteArray joined;
    if (!m_markStart.isEmpty()) {
        joined = m_markStart + text.toByteArray();
        text = joined;
        m_markStart.clear();
    }
    m_text.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\r') {
            ++m_carriageReturns;
            ++i;
            continue;
        }
        if (c == '\n' && m_carriageReturns > 0) {
            m_carriageReturns = 0; // CR LF and CR CR LF are one line end
            m_text.append('\n');
            ++i;
            continue;
        }
        flushCarriageReturns();
        if (c == '\xEF') {
            const QByteArrayView rest = text.sliced(i);
            if (rest.startsWith(kUtf8Bom)) {
                m_text.append('\n');
                i += kUtf8Bom.size();
                continue;
            }
            if (kUtf8Bom.startsWith(rest)) {
                m_markStart = rest.toByteArray(); // the next chunk tells
                return;
            }
        }
        qsizetype end = i + 1;
        while (end < text.size() && !needsNormalizing(text[end])) {
            ++end;
        }
        m_text.append(text.sliced(i, end - i));
        i = end;
    }
}

void VCardInput::flushCarriageReturns()
{
    // CRs that no LF follows end a line each; past two, the empty lines between them change
    // nothing, and holding them as a count keeps a file of nothing but CRs from growing here.
    m_text.append(qMin(m_carriageReturns, qsizetype{2}), '\n');
    m_carriageReturns = 0;
}

} // namespace addrell
