// libFuzzer target: any bytes through the vCard reader and the contact mapping must neither
// crash, hang nor grow memory without bound.
#include "servers/address_book/VCardContact.h"
#include "servers/address_book/VCardReader.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    addrell::VCardReader reader(buffer);
    reader.readAll([](const addrell::VCard& card) {
        // Germany: addresses from elsewhere take the foreign-country paths too.
        static_cast<void>(addrell::VCardContact(card, QLocale::Germany));
    });
    return 0;
}
