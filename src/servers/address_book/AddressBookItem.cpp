#include "servers/address_book/AddressBookItem.h"

#include "automation/AutomationError.h"

#include <utility>

namespace addrell {

AddressBookItem::AddressBookItem(VCardContact contact) : m_contact(std::move(contact)) {}

std::shared_ptr<AddressBookItem> AddressBookItem::note()
{
    // The default constructor is private, so make_shared cannot reach it.
    return std::shared_ptr<AddressBookItem>(new AddressBookItem());
}

std::int32_t AddressBookItem::Class()
{
    return m_contact ? m_contact->itemClass() : outlook::olNote;
}

QString AddressBookItem::FullName()
{
    return contact().fullName();
}

QString AddressBookItem::CompanyName()
{
    return contact().companyName();
}

QString AddressBookItem::MailingAddress()
{
    return contact().mailingAddress();
}

const VCardContact& AddressBookItem::contact() const
{
    if (!m_contact || m_contact->itemClass() != outlook::olContact) {
        throw AutomationError::runtime(RuntimeError::MemberNotSupported);
    }
    return *m_contact;
}

} // namespace addrell
