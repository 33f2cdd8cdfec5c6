#include "servers/address_book/books/ReadVCardText.h"

#include <QBuffer>

namespace addrell {

void readVCardText(QByteArray text, const VCardReader::CardSink& sink)
{
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    VCardReader(buffer).readAll(sink);
}

} // namespace addrell
