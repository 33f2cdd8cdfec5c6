#pragma once

#include "servers/address_book/books/AddressBook.h"

#include <chrono>
#include <vector>

namespace addrell {

// The address books of the desktop contacts server (Evolution Data Server), which the desktop's
// contacts program, mail program and online accounts all feed.
class ContactsServerBooks {
public:
    static constexpr std::chrono::milliseconds kLookupTimeout{1000};
    // How long connecting to a book and reading its cards may take before the load fails.
    static constexpr std::chrono::milliseconds kReadTimeout{5000};

    ContactsServerBooks() = delete;

    // Every enabled address book by the name the desktop shows for it, in the order of names.
    // Nothing, and no message, when there is no session bus or the server does not answer
    // within `timeout`.
    [[nodiscard]] static std::vector<AddressBook>
    find(std::chrono::milliseconds timeout = kLookupTimeout);
};

} // namespace addrell
