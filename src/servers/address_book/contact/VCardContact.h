#pragma once

#include "vcard/VCard.h"
#include "vcard/VCardPropertyFilter.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace addrell {

// What the contact handlers read of a card: the fields of an Outlook contact item.
class VCardContact {
public:
    static constexpr std::int32_t kContactClass = 40;          // olContact
    static constexpr std::int32_t kDistributionListClass = 69; // olDistributionList

    // `home` is the country letters are posted in; its addresses go without a country line.
    explicit VCardContact(const VCard& card, QLocale::Territory home = QLocale().territory());

    // The properties a record is made from: a reader may pass over every other one.
    [[nodiscard]] static VCardPropertyFilter readProperties() noexcept;

    [[nodiscard]] std::int32_t itemClass() const noexcept { return m_itemClass; }
    [[nodiscard]] const QString& fileAs() const noexcept { return m_fileAs; }
    [[nodiscard]] const QString& fullName() const noexcept { return m_fullName; }
    [[nodiscard]] const QString& companyName() const noexcept { return m_companyName; }
    // Lines joined with CR LF, without a CR LF at the end.
    [[nodiscard]] const QString& mailingAddress() const noexcept { return m_mailingAddress; }

private:
    std::int32_t m_itemClass;
    QString m_fileAs;
    QString m_fullName;
    QString m_companyName;
    QString m_mailingAddress;
};

} // namespace addrell
