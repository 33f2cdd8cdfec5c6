#include "servers/address_book/AddressBookExplorer.h"

#include "servers/address_book/AddressBookSelection.h"

#include <utility>

namespace addrell {

AddressBookExplorer::AddressBookExplorer(std::vector<std::shared_ptr<outlook::Item>> selected)
    : m_selection(std::make_shared<AddressBookSelection>(std::move(selected)))
{
}

std::shared_ptr<outlook::Selection> AddressBookExplorer::Selection()
{
    return m_selection;
}

} // namespace addrell
