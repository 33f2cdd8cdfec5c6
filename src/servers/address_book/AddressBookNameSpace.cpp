#include "servers/address_book/AddressBookNameSpace.h"

#include "servers/address_book/AddressBookFolder.h"
#include "servers/address_book/FolderChooser.h"

#include <utility>

namespace addrell {

AddressBookNameSpace::AddressBookNameSpace(std::shared_ptr<FolderChooser> chooser,
                                           QLocale::Territory home)
    : m_chooser(std::move(chooser)), m_home(home)
{
}

std::shared_ptr<outlook::MAPIFolder> AddressBookNameSpace::PickFolder()
{
    const std::optional<QString> path = m_chooser->choose();
    if (!path) {
        return nullptr;
    }
    return std::make_shared<AddressBookFolder>(*path, m_home);
}

} // namespace addrell
