#pragma once

#include "automation/outlook/OutlookApplication.h"

#include <memory>
#include <vector>

namespace addrell {

class AddressBookFolder;
class VCardContact;

// The items of a folder: every card, contacts and groups alike, in file order until sorted.
class AddressBookItems : public outlook::Items {
public:
    explicit AddressBookItems(std::shared_ptr<AddressBookFolder> folder);

    // "[FileAs]" ascending, in the collation of the user's language without regard to case;
    // equal keys keep file order. Any other property, or Descending True, is error 5: the
    // contacts handlers ask for nothing else.
    void Sort(const QString& Property, const Variant& Descending) override;
    [[nodiscard]] std::int32_t Count() override;
    [[nodiscard]] std::shared_ptr<outlook::MAPIFolder> Parent() override;
    void ForEach(const std::function<void(outlook::Item&)>& visit) override;

private:
    [[nodiscard]] const std::vector<VCardContact>& contacts();

    std::shared_ptr<AddressBookFolder> m_folder;
    std::vector<std::int32_t> m_order; // positions in the folder's cards; empty: file order
};

} // namespace addrell
