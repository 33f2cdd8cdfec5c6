#pragma once

#include "automation/outlook/OutlookApplication.h"

#include <memory>
#include <vector>

namespace addrell {

// The address book's window: here, whatever the desktop clipboard held when it was asked for.
class AddressBookExplorer : public outlook::Explorer {
public:
    explicit AddressBookExplorer(std::vector<std::shared_ptr<outlook::Item>> selected);

    [[nodiscard]] std::shared_ptr<outlook::Selection> Selection() override;

private:
    std::shared_ptr<outlook::Selection> m_selection;
};

} // namespace addrell
