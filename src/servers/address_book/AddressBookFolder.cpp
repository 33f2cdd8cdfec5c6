#include "servers/address_book/AddressBookFolder.h"

#include "servers/address_book/AddressBookItems.h"
#include "servers/address_book/contact/VCardContacts.h"

#include <utility>

namespace addrell {

AddressBookFolder::AddressBookFolder(const QString& path, QLocale::Territory home)
    : m_source(path), m_home(home)
{
}

AddressBookFolder::AddressBookFolder(QString name, CardFeed feed, QLocale::Territory home)
    : m_source(QString()), m_name(std::move(name)), m_feed(std::move(feed)), m_home(home)
{
}

std::shared_ptr<AddressBookFolder> AddressBookFolder::open(const AddressBook& book,
                                                           QLocale::Territory home)
{
    if (book.feed()) {
        return std::make_shared<AddressBookFolder>(book.name(), book.feed(), home);
    }
    // The folder names itself, as any folder of vCard files does.
    return std::make_shared<AddressBookFolder>(book.path(), home);
}

std::int32_t AddressBookFolder::DefaultItemType()
{
    return m_feed ? outlook::olContactItem
                  : (m_source.holdsCards() ? outlook::olContactItem : outlook::olMailItem);
}

std::shared_ptr<outlook::Items> AddressBookFolder::Items()
{
    return std::make_shared<AddressBookItems>(shared_from_this());
}

QString AddressBookFolder::Name()
{
    return m_feed ? m_name : m_source.displayName();
}

const std::vector<VCardContact>& AddressBookFolder::contacts()
{
    if (!m_contacts) {
        // Only the records are kept, never the cards, so a folder costs little more than the
        // texts the handlers read.
        if (m_feed) {
            std::vector<VCardContact> loaded;
            m_feed([&loaded, this](const VCard& card) { loaded.emplace_back(card, m_home); });
            m_contacts = std::move(loaded);
        } else {
            m_contacts = VCardContacts::read(m_source, m_home);
        }
    }
    return *m_contacts;
}

} // namespace addrell
