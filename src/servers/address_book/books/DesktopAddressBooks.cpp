#include "servers/address_book/books/DesktopAddressBooks.h"

#include "servers/address_book/books/ContactsServerBooks.h"
#include "servers/address_book/books/ThunderbirdBooks.h"
#include "servers/address_book/books/VCardFolders.h"

#include <QDir>
#include <QStandardPaths>

#include <utility>

namespace addrell {

DesktopAddressBooks::Places DesktopAddressBooks::Places::ofUser()
{
    return {QDir::homePath(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            ContactsServerBooks::kLookupTimeout};
}

std::vector<AddressBookGroup> DesktopAddressBooks::find(const Places& places)
{
    std::vector<AddressBookGroup> groups;
    if (std::vector<AddressBook> server = ContactsServerBooks::find(places.serverTimeout);
        !server.empty()) {
        groups.push_back({QStringLiteral("Contacts server"), std::move(server), {}});
    }
    if (std::optional<AddressBookGroup> thunderbird = ThunderbirdBooks::find(places.home)) {
        groups.push_back(std::move(*thunderbird));
    }
    if (std::optional<AddressBookGroup> folders =
            VCardFolders::find(places.home, places.dataHome)) {
        groups.push_back(std::move(*folders));
    }
    return groups;
}

} // namespace addrell
