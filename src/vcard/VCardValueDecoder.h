#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace addrell {

// Undoes the transfer encoding and charset of a vCard value.
class VCardValueDecoder {
public:
    // `=XX` becomes one byte; a `=` that starts no hex pair is kept. Soft line breaks are
    // already gone: the line reader joins them.
    [[nodiscard]] static QByteArray decodeQuotedPrintable(QByteArrayView encoded);

    // Text in `charset` (a CHARSET parameter; empty when the card names none), ISO-8859-1 read
    // as Windows-1252 as browsers do. An unknown or missing charset means UTF-8 when the bytes
    // are valid UTF-8, else Windows-1252, which is what desktop programs wrote before UTF-8.
    [[nodiscard]] static QString decodeText(QByteArrayView bytes, const QString& charset);
};

} // namespace addrell
