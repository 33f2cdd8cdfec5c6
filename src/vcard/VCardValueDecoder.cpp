#include "vcard/VCardValueDecoder.h"

#include "util/Windows1252.h"

#include <QStringDecoder>
#include <QStringList>

namespace addrell {

namespace {

using namespace Qt::Literals::StringLiterals;

// Longer names are garbage; no decoder is asked about them.
constexpr qsizetype kMaxCharsetNameLength = 64;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The names that browsers read as Windows-1252: ISO-8859-1 and ASCII included, since the
// programs that wrote those names put Windows punctuation (curly quotes, the euro sign) in
// their 0x80 to 0x9F range.
bool isWindows1252Name(const QString& charset)
{
    static const QStringList names = {
        u"windows-1252"_s,  u"cp1252"_s,   u"x-cp1252"_s,   u"iso-8859-1"_s,
        u"iso8859-1"_s,     u"iso88591"_s, u"iso_8859-1"_s, u"iso_8859-1:1987"_s,
        u"iso-ir-100"_s,    u"latin1"_s,   u"l1"_s,         u"csisolatin1"_s,
        u"ibm819"_s,        u"cp819"_s,    u"us-ascii"_s,   u"ascii"_s,
        u"ansi_x3.4-1968"_s};
    return names.contains(charset, Qt::CaseInsensitive);
}

} // namespace

QByteArray VCardValueDecoder::decodeQuotedPrintable(QByteArrayView encoded)
{
    QByteArray decoded(encoded.size(), Qt::Uninitialized);
    char* out = decoded.data();
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '=' && i + 2 < encoded.size()) {
            const int high = hexDigit(encoded[i + 1]);
            const int low = hexDigit(encoded[i + 2]);
            if (high >= 0 && low >= 0) {
                *out++ = static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        *out++ = c;
    }
    decoded.truncate(out - decoded.constData());
    return decoded;
}

QString VCardValueDecoder::decodeText(QByteArrayView bytes, const QString& charset)
{
    // Most values are plain ASCII, which reads the same in UTF-8 and Windows-1252.
    const bool ascii = QtPrivate::isAscii(QLatin1StringView(bytes));
    if (!charset.isEmpty() && charset.size() <= kMaxCharsetNameLength) {
        if (charset.compare(u"UTF-8", Qt::CaseInsensitive) == 0) {
            // As the decoder named "UTF-8" reads, without looking the name up.
            return ascii ? QString::fromLatin1(bytes)
                         : QStringDecoder(QStringDecoder::Utf8).decode(bytes);
        }
        if (isWindows1252Name(charset)) {
            return ascii ? QString::fromLatin1(bytes) : Windows1252::decode(bytes);
        }
        QStringDecoder named(charset.toLatin1().constData());
        if (named.isValid()) {
            return named.decode(bytes);
        }
    }
    if (ascii) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? Windows1252::decode(bytes) : text;
}

} // namespace addrell
