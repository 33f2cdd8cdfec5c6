#include "servers/address_book/AddressBookItems.h"

#include "servers/address_book/AddressBookFolder.h"
#include "servers/address_book/AddressBookItem.h"
#include "servers/address_book/books/AddressBookError.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <utility>

namespace addrell {

namespace {

bool isTrue(const Variant& value)
{
    return !value.isMissing() && !value.isEmpty() && value.toBoolean();
}

} // namespace

AddressBookItems::AddressBookItems(std::shared_ptr<AddressBookFolder> folder)
    : m_folder(std::move(folder))
{
}

void AddressBookItems::Sort(const QString& Property, const Variant& Descending)
{
    if (Property.compare(u"[FileAs]", Qt::CaseInsensitive) != 0 || isTrue(Descending)) {
        throw AddressBookError::invalidArgument(
            QStringLiteral("The sort on \"%1\" is not supported.").arg(Property));
    }
    const std::vector<VCardContact>& all = contacts();
    QCollator collator; // the user's language
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // A key per card, so each comparison is a plain byte compare rather than a collation.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(all.size());
    for (const VCardContact& contact : all) {
        keys.push_back(collator.sortKey(contact.fileAs()));
    }
    // Each sort replaces the last one: equal keys stay in file order.
    m_order.resize(all.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [&keys](std::int32_t a, std::int32_t b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });
}

std::int32_t AddressBookItems::Count()
{
    return static_cast<std::int32_t>(contacts().size());
}

std::shared_ptr<outlook::MAPIFolder> AddressBookItems::Parent()
{
    return m_folder;
}

void AddressBookItems::ForEach(const std::function<void(outlook::Item&)>& visit)
{
    const std::vector<VCardContact>& all = contacts();
    const auto visitAt = [&](std::size_t position) {
        AddressBookItem item(all[position]);
        visit(item);
    };
    if (m_order.size() == all.size()) {
        for (const std::int32_t position : m_order) {
            visitAt(static_cast<std::size_t>(position));
        }
    } else {
        for (std::size_t position = 0; position < all.size(); ++position) {
            visitAt(position);
        }
    }
}

const std::vector<VCardContact>& AddressBookItems::contacts()
{
    return m_folder->contacts();
}

} // namespace addrell
