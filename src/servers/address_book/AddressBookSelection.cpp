#include "servers/address_book/AddressBookSelection.h"

#include "servers/address_book/books/AddressBookError.h"

#include <utility>

namespace addrell {

AddressBookSelection::AddressBookSelection(std::vector<std::shared_ptr<outlook::Item>> items)
    : m_items(std::move(items))
{
}

std::shared_ptr<outlook::Item> AddressBookSelection::Item(const Variant& Index)
{
    const std::int32_t index = Index.toLong();
    if (index < 1 || static_cast<std::size_t>(index) > m_items.size()) {
        throw AddressBookError::indexOutOfBounds();
    }
    return m_items[static_cast<std::size_t>(index) - 1];
}

} // namespace addrell
