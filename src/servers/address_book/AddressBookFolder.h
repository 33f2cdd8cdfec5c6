#pragma once

#include "automation/outlook/OutlookApplication.h"
#include "servers/address_book/books/AddressBook.h"
#include "servers/address_book/contact/VCardContact.h"
#include "vcard/VCardSource.h"

#include <QLocale>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace addrell {

// A folder as the folder picker returns it: a directory of `.vcf` files or one `.vcf` file, or an
// address book of another program whose cards arrive as vCards. Always held by a shared_ptr,
// since its items point back to it.
class AddressBookFolder : public outlook::MAPIFolder,
                          public std::enable_shared_from_this<AddressBookFolder> {
public:
    // `home` is the country whose addresses go without a country line.
    explicit AddressBookFolder(const QString& path,
                               QLocale::Territory home = QLocale().territory());
    using CardFeed = AddressBook::CardFeed;
    // A contacts folder named `name` whose cards come from `feed` when first needed.
    AddressBookFolder(QString name, CardFeed feed, QLocale::Territory home);
    // A new folder over `book`, read when its items are first asked for.
    [[nodiscard]] static std::shared_ptr<AddressBookFolder> open(const AddressBook& book,
                                                                 QLocale::Territory home);

    [[nodiscard]] std::int32_t DefaultItemType() override;
    // A new collection each time, with an order of its own, over the cards read once.
    [[nodiscard]] std::shared_ptr<outlook::Items> Items() override;
    [[nodiscard]] QString Name() override;

    // Every card as a contact record, in file order; the files are read on the first call.
    [[nodiscard]] const std::vector<VCardContact>& contacts();

private:
    VCardSource m_source;
    QString m_name;
    CardFeed m_feed; // empty for vCard files
    QLocale::Territory m_home;
    std::optional<std::vector<VCardContact>> m_contacts;
};

} // namespace addrell
