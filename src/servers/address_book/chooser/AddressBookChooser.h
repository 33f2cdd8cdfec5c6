#pragma once

#include "servers/address_book/books/AddressBook.h"
#include "servers/address_book/books/DesktopAddressBooks.h"

#include <memory>
#include <optional>

namespace addrell {

class FolderChooser;

// The folder picker the program shows: the address books found on this desktop, looked for
// afresh each time, in a modal chooser over the active window.
class AddressBookChooser {
public:
    // `other` picks any other `.vcf` file or folder.
    AddressBookChooser(DesktopAddressBooks::Places places, std::shared_ptr<FolderChooser> other);

    // The chosen book, or nothing when the user cancels.
    [[nodiscard]] std::optional<AddressBook> choose();

private:
    DesktopAddressBooks::Places m_places;
    std::shared_ptr<FolderChooser> m_other;
};

} // namespace addrell
