#include "servers/address_book/AddressBookNameSpace.h"

#include <utility>

namespace addrell {

AddressBookNameSpace::AddressBookNameSpace(BookChooser chooser, QLocale::Territory home)
    : m_chooser(std::move(chooser)), m_home(home)
{
}

std::shared_ptr<outlook::MAPIFolder> AddressBookNameSpace::PickFolder()
{
    const std::optional<AddressBook> book = m_chooser();
    return book ? book->open(m_home) : nullptr;
}

} // namespace addrell
