#pragma once

#include "servers/address_book/contact/VCardContact.h"
#include "vcard/VCardSource.h"

#include <QLocale>

#include <vector>

namespace addrell {

// The cards of `.vcf` files as the contacts folder holds them, with the errors the program
// reports for a folder that cannot be read.
class VCardContacts {
public:
    VCardContacts() = delete;

    // Every card as a contact record, in file order, read and mapped on `threads`. When no file
    // could be read, AutomationError 75 (path/file access error) names the first.
    [[nodiscard]] static std::vector<VCardContact>
    read(const VCardSource& source, QLocale::Territory home, const VCardSource::Threads& threads);
    [[nodiscard]] static std::vector<VCardContact> read(const VCardSource& source,
                                                        QLocale::Territory home);
    // Every card with every property, on this thread, with the same error.
    static void readCards(const VCardSource& source, const VCardReader::CardSink& sink);
};

} // namespace addrell
