#pragma once

#include "automation/outlook/OutlookApplication.h"

#include <memory>
#include <vector>

namespace addrell {

// The items selected in the explorer window, reached by 1-based index.
class AddressBookSelection : public outlook::Selection {
public:
    explicit AddressBookSelection(std::vector<std::shared_ptr<outlook::Item>> items);

    // An index outside 1 to the number of items fails as the contacts program fails.
    [[nodiscard]] std::shared_ptr<outlook::Item> Item(const Variant& Index) override;

private:
    std::vector<std::shared_ptr<outlook::Item>> m_items;
};

} // namespace addrell
