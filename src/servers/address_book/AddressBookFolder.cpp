#include "servers/address_book/AddressBookFolder.h"

#include "servers/address_book/AddressBookItems.h"

namespace addrell {

AddressBookFolder::AddressBookFolder(const QString& path, QLocale::Territory home)
    : m_source(path), m_home(home)
{
}

std::int32_t AddressBookFolder::DefaultItemType()
{
    return m_source.defaultItemType();
}

std::shared_ptr<outlook::Items> AddressBookFolder::Items()
{
    return std::make_shared<AddressBookItems>(shared_from_this());
}

QString AddressBookFolder::Name()
{
    return m_source.displayName();
}

const std::vector<VCardContact>& AddressBookFolder::contacts()
{
    if (!m_contacts) {
        // Only the records are kept, never the cards, so a folder costs little more than the
        // texts the handlers read.
        m_contacts = m_source.readContacts(m_home);
    }
    return *m_contacts;
}

} // namespace addrell
