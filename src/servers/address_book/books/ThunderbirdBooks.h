#pragma once

#include "servers/address_book/books/AddressBook.h"
#include "servers/address_book/books/AddressBookGroup.h"

#include <QString>

#include <optional>

namespace addrell {

// Thunderbird's address books: every profile's, named as Thunderbird names them.
class ThunderbirdBooks {
public:
    ThunderbirdBooks() = delete;

    // The books of every profile Thunderbird lists under `home` (its own folder, the snap's and
    // the Flatpak's), one group per profile when there are several. A file that is no address
    // book, or is damaged, is left out. Nothing when no profile has a book.
    [[nodiscard]] static std::optional<AddressBookGroup> find(const QString& home);

    // The book in one `.sqlite` file, named as its profile names it, else after the file.
    [[nodiscard]] static AddressBook bookAt(const QString& path);
};

} // namespace addrell
