#pragma once

#include "vcard/VCard.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace addrell {

// The one postal address of a card that an envelope goes to, as text.
class VCardMailingAddress {
public:
    // Lines joined with CR LF; empty when the card has no address or asks for none.
    // `names` are the ways the card names its person: a label whose first line only repeats
    // one of them loses that line, since the recipient's name is printed above the address.
    // `home` is the country the letter is posted in; no address ends with it.
    [[nodiscard]] static QString of(const VCard& card, const QStringList& names,
                                    QLocale::Territory home);
};

} // namespace addrell
