#include "servers/address_book/AddressBookItems.h"

#include "servers/address_book/AddressBookError.h"
#include "servers/address_book/AddressBookFolder.h"
#include "servers/address_book/AddressBookItem.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace addrell {

namespace {

using SortKey = const QString& (VCardContact::*)() const noexcept;

SortKey sortKey(const QString& property)
{
    if (property.compare(u"[FileAs]", Qt::CaseInsensitive) == 0) {
        return &VCardContact::fileAs;
    }
    if (property.compare(u"[FullName]", Qt::CaseInsensitive) == 0) {
        return &VCardContact::fullName;
    }
    throw AddressBookError::invalidArgument(
        QStringLiteral("The property \"%1\" cannot be sorted on.").arg(property));
}

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
    const SortKey key = sortKey(Property);
    const bool descending = isTrue(Descending);
    const std::vector<VCardContact>& all = contacts();

    // Folded once per card, so each comparison is a plain code-unit compare: no collator, no
    // folding per character per comparison.
    std::vector<QString> keys;
    keys.reserve(all.size());
    for (const VCardContact& contact : all) {
        keys.push_back((contact.*key)().toCaseFolded());
    }
    // Each sort replaces the last one: equal keys stay in file order.
    m_order.resize(all.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    const auto keyOf = [&keys](std::int32_t position) -> const QString& {
        return keys[static_cast<std::size_t>(position)];
    };
    if (descending) {
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&](std::int32_t a, std::int32_t b) { return keyOf(b) < keyOf(a); });
    } else {
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&](std::int32_t a, std::int32_t b) { return keyOf(a) < keyOf(b); });
    }
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
