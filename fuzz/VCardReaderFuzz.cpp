// libFuzzer target: any bytes through the vCard reader and the contact mapping must neither
// crash, hang nor grow memory without bound; and the reader must give the same records whether
// it keeps every property or only the mapping's, and whether the text is read whole or cut
// into parts as the folder load cuts it for its threads.
#include "servers/address_book/VCardContact.h"
#include "servers/address_book/VCardReader.h"
#include "servers/address_book/VCardSplitter.h"
#include "servers/address_book/VCardText.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using addrell::VCard;
using addrell::VCardContact;
using addrell::VCardReader;

using Records = std::vector<QStringList>;

QStringList record(const VCard& card)
{
    // Germany: addresses from elsewhere take the foreign-country paths too.
    const VCardContact contact(card, QLocale::Germany);
    return {QString::number(contact.itemClass()), contact.fileAs(), contact.fullName(),
            contact.companyName(), contact.mailingAddress()};
}

void readFiltered(QByteArrayView text, Records& records)
{
    VCardReader(text, VCardContact::readProperties()).readAll([&records](const VCard& card) {
        records.push_back(record(card));
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Records everything;
    // The filter lets the limit on properties per card count only those kept, so a card at
    // that limit may differ.
    bool atLimit = false;
    VCardReader(buffer).readAll([&](const VCard& card) {
        atLimit = atLimit || card.properties().size() >= VCardReader::kMaxPropertiesPerCard;
        everything.push_back(record(card));
    });

    const addrell::VCardText text(bytes);
    Records filtered;
    readFiltered(text.view(), filtered);
    if (!atLimit && filtered != everything) {
        std::abort();
    }
    Records joined;
    for (const QByteArrayView part : addrell::VCardSplitter::split(text.view(), 1 + size % 64)) {
        readFiltered(part, joined);
    }
    if (joined != filtered) {
        std::abort();
    }
    return 0;
}
