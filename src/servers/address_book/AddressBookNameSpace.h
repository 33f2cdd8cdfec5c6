#pragma once

#include "automation/outlook/OutlookApplication.h"
#include "servers/address_book/books/AddressBook.h"

#include <QLocale>

#include <functional>
#include <optional>

namespace addrell {

// The "MAPI" namespace: the way to the folder picker.
class AddressBookNameSpace : public outlook::NameSpace {
public:
    // Shows the picker: the chosen book, or nothing when the user cancels.
    using BookChooser = std::function<std::optional<AddressBook>()>;

    AddressBookNameSpace(BookChooser chooser, QLocale::Territory home);

    // A new folder over the chosen book each time.
    [[nodiscard]] std::shared_ptr<outlook::MAPIFolder> PickFolder() override;

private:
    BookChooser m_chooser;
    QLocale::Territory m_home;
};

} // namespace addrell
