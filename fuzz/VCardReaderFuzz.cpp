// libFuzzer target: any bytes through the vCard reader and its value decoding must neither
// crash, hang nor grow memory without bound; and the reader must give the same properties
// whether it keeps every property or only some, and whether the text is read whole or cut into
// parts as the folder load cuts it for its threads.
#include "vcard/VCardReader.h"
#include "vcard/VCardSplitter.h"
#include "vcard/VCardText.h"

#include <QBuffer>
#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using addrell::VCard;
using addrell::VCardPropertyFilter;
using addrell::VCardReader;

using Records = std::vector<QStringList>;

// What a contact list reads of a card.
constexpr std::array<QByteArrayView, 5> kKept = {"N", "FN", "ORG", "ADR", "LABEL"};
const VCardPropertyFilter kFilter{kKept};

// The kept properties with their parameters and decoded values and components.
QStringList record(const VCard& card)
{
    QStringList fields;
    for (const addrell::VCardProperty& property : card.properties()) {
        if (!kFilter.keeps(QStringView(property.name()))) {
            continue;
        }
        fields << property.group() << property.name() << property.value()
               << property.components().join(u'|');
        for (const addrell::VCardProperty::Values& values : property.componentValues()) {
            fields << QStringList(values.begin(), values.end()).join(u',');
        }
        for (const addrell::VCardProperty::Parameter& parameter : property.parameters()) {
            fields << parameter.name + u'=' + parameter.value;
        }
    }
    return fields;
}

void readFiltered(QByteArrayView text, Records& records)
{
    VCardReader(text, kFilter).readAll([&records](const VCard& card) {
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
