#include "servers/address_book/VCardValueDecoder.h"

#include "util/Windows1252.h"

#include <QStringDecoder>

namespace addrell {

namespace {

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

bool isWindows1252Name(const QString& charset)
{
    return charset.compare(u"windows-1252", Qt::CaseInsensitive) == 0 ||
           charset.compare(u"cp1252", Qt::CaseInsensitive) == 0 ||
           charset.compare(u"x-cp1252", Qt::CaseInsensitive) == 0;
}

} // namespace

QByteArray VCardValueDecoder::decodeQuotedPrintable(QByteArrayView encoded)
{
    QByteArray decoded;
    decoded.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '=' && i + 2 < encoded.size()) {
            const int high = hexDigit(encoded[i + 1]);
            const int low = hexDigit(encoded[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.append(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.append(c);
    }
    return decoded;
}

QString VCardValueDecoder::decodeText(QByteArrayView bytes, const QString& charset)
{
    if (!charset.isEmpty() && charset.size() <= kMaxCharsetNameLength) {
        QStringDecoder named(charset.toLatin1().constData());
        if (named.isValid()) {
            return named.decode(bytes);
        }
        if (isWindows1252Name(charset)) {
            return decodeWindows1252(bytes);
        }
    }
    // Most values are plain ASCII, which reads the same in UTF-8 and Windows-1252.
    if (QtPrivate::isAscii(QLatin1StringView(bytes))) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

QString VCardValueDecoder::decodeWindows1252(QByteArrayView bytes)
{
    return Windows1252::decode(bytes);
}

} // namespace addrell
