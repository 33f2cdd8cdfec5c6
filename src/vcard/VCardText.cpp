#include "vcard/VCardText.h"

#include <QString>
#include <QStringDecoder>

#include <cstring>
#include <utility>

namespace addrell {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

QByteArray fromUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding);
    QString text = decoder.decode(bytes);
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        text.chop(1); // its pair never came
    }
    return text.toUtf8();
}

// Whether every line already ends in LF or CR LF and no byte-order mark ends one.
bool isClean(QByteArrayView text)
{
    const char* const end = text.data() + text.size();
    for (const char* cr = text.data();; ++cr) {
        cr = static_cast<const char*>(std::memchr(cr, '\r', static_cast<std::size_t>(end - cr)));
        if (cr == nullptr) {
            break;
        }
        if (cr + 1 == end || cr[1] != '\n') {
            return false;
        }
    }
    for (qsizetype at = text.indexOf(kUtf8Bom[0]); at >= 0;
         at = text.indexOf(kUtf8Bom[0], at + 1)) {
        if (text.sliced(at).startsWith(kUtf8Bom)) {
            return false;
        }
    }
    return true;
}

bool needsRewriting(char c)
{
    return c == '\r' || c == kUtf8Bom[0];
}

QByteArray withLineFeeds(QByteArrayView text)
{
    QByteArray result;
    result.reserve(text.size());
    qsizetype carriageReturns = 0; // CRs not yet known to be part of a CR LF
    // CRs that no LF follows end a line each; past two, the empty lines between them change
    // nothing, and holding them as a count keeps a file of nothing but CRs from growing here.
    const auto flush = [&] {
        result.append(qMin(carriageReturns, qsizetype{2}), '\n');
        carriageReturns = 0;
    };
    for (qsizetype i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\r') {
            ++carriageReturns;
            ++i;
            continue;
        }
        if (c == '\n' && carriageReturns > 0) {
            carriageReturns = 0; // CR LF and CR CR LF are one line end
            result.append('\n');
            ++i;
            continue;
        }
        flush();
        if (text.sliced(i).startsWith(kUtf8Bom)) {
            result.append('\n');
            i += kUtf8Bom.size();
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && !needsRewriting(text[end])) {
            ++end;
        }
        result.append(text.sliced(i, end - i));
        i = end;
    }
    flush();
    return result;
}

} // namespace

VCardText::VCardText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        m_rewritten = fromUtf16(bytes, QStringDecoder::Utf16LE);
        bytes = m_rewritten;
    } else if (bytes.startsWith("\xFE\xFF")) {
        m_rewritten = fromUtf16(bytes, QStringDecoder::Utf16BE);
        bytes = m_rewritten;
    }
    // An export that starts with a mark is the most common case; an empty first line is a line
    // of nothing, unless the next one is folded onto it.
    if (bytes.startsWith(kUtf8Bom) && !bytes.sliced(kUtf8Bom.size()).startsWith(' ') &&
        !bytes.sliced(kUtf8Bom.size()).startsWith('\t')) {
        bytes = bytes.sliced(kUtf8Bom.size());
    }
    if (!isClean(bytes)) {
        QByteArray rewritten = withLineFeeds(bytes);
        m_rewritten = std::move(rewritten);
        bytes = m_rewritten;
    }
    m_view = bytes;
}

} // namespace addrell
