#include "servers/address_book/VCardValueDecoder.h"

#include <QStringDecoder>

#include <array>

namespace addrell {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned bytes map to
// the C1 controls, as Windows itself does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

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
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80])
                                                : QChar(byte));
    }
    return text;
}

} // namespace addrell
