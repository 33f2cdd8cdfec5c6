#pragma once

#include "servers/address_book/books/AddressBookGroup.h"

#include <QString>

#include <chrono>
#include <vector>

namespace addrell {

// Every address book found on this desktop, grouped by where it lives.
class DesktopAddressBooks {
public:
    // Where to look: the user's home and data folders, and how long to wait for the contacts
    // server.
    struct Places {
        QString home;
        QString dataHome;
        std::chrono::milliseconds serverTimeout;

        // This user's.
        [[nodiscard]] static Places ofUser();
    };

    DesktopAddressBooks() = delete;

    // "Contacts server", "Thunderbird" and "Folders", in that order; a place without books has
    // no group.
    [[nodiscard]] static std::vector<AddressBookGroup> find(const Places& places);
};

} // namespace addrell
