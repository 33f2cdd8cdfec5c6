#pragma once

#include "automation/outlook/OutlookApplication.h"
#include "servers/address_book/contact/VCardContact.h"

#include <memory>
#include <optional>

namespace addrell {

// One item as the contact handlers reach it: a contact, a group (a distribution list) or a note.
// Only a contact has the contact members; the others fail with 438 as the contacts program's
// items do when asked for a member of another kind of item.
class AddressBookItem : public outlook::Item {
public:
    explicit AddressBookItem(VCardContact contact);
    // Whatever was selected that is no card.
    [[nodiscard]] static std::shared_ptr<AddressBookItem> note();

    [[nodiscard]] std::int32_t Class() override;
    [[nodiscard]] QString FullName() override;
    [[nodiscard]] QString CompanyName() override;
    [[nodiscard]] QString MailingAddress() override;

private:
    AddressBookItem() = default;
    [[nodiscard]] const VCardContact& contact() const;

    std::optional<VCardContact> m_contact; // nothing for a note
};

} // namespace addrell
