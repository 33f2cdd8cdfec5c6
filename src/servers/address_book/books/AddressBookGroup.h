#pragma once

#include "servers/address_book/books/AddressBook.h"

#include <QString>

#include <vector>

namespace addrell {

// The address books that live in one place ("Contacts server", "Thunderbird", "Folders"), with
// places inside it (a Thunderbird profile, say) as groups of their own.
struct AddressBookGroup {
    QString title;
    std::vector<AddressBook> books;
    std::vector<AddressBookGroup> groups;
};

} // namespace addrell
