#include "servers/address_book/AddressBookNameSpace.h"

#include "servers/address_book/AddressBookFolder.h"

#include <utility>

namespace addrell {

AddressBookNameSpace::AddressBookNameSpace(BookChooser chooser, QLocale::Territory home)
    : m_chooser(std::move(chooser)), m_home(home)
{
}

std::shared_ptr<outlook::MAPIFolder> AddressBookNameSpace::PickFolder()
{
    const std::optional<AddressBook> book = m_chooser();
    return book ? AddressBookFolder::open(*book, m_home) : nullptr;
}

} // namespace addrell
