#pragma once

#include "servers/address_book/books/AddressBook.h"
#include "servers/address_book/books/AddressBookGroup.h"

#include <QString>

#include <optional>

namespace addrell {

// The folders of `.vcf` files in the places address books and CardDAV sync tools keep them.
class VCardFolders {
public:
    VCardFolders() = delete;

    // Each folder of `dataHome`/contacts and `home`/.contacts, and each of those two itself,
    // that holds a `.vcf` file, named by its `displayname` file or else by itself. Nothing when
    // there is none.
    [[nodiscard]] static std::optional<AddressBookGroup> find(const QString& home,
                                                              const QString& dataHome);

    // Whether `folder` directly holds a `.vcf` file; stops at the first, whatever the folder's
    // size.
    [[nodiscard]] static bool holdsCards(const QString& folder);
};

} // namespace addrell
