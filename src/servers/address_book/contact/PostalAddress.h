#pragma once

#include "vcard/VCardProperty.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace addrell {

// The parts of a postal address as vCard's ADR holds them, set out for an envelope.
class PostalAddress {
public:
    // The values of the ADR components in their order: post office box, extended address,
    // street, locality, region, postal code, country. Missing ones count as empty.
    explicit PostalAddress(const std::vector<VCardProperty::Values>& components);

    [[nodiscard]] bool isEmpty() const;

    // The address as lines joined with CR LF, the city line in the order of the address's
    // country, the country left out when it is `home`, where the letter is posted, and else
    // named in English capitals as international mail asks.
    [[nodiscard]] QString format(QLocale::Territory home) const;

    // Drops the last of `lines` when it names `home` in any usual spelling and lines remain:
    // a letter posted at home goes without its country. For addresses given as whole lines.
    static void removeHomeCountry(QStringList& lines, QLocale::Territory home);

private:
    QString m_poBox;
    QString m_extended;
    QString m_street;
    QString m_locality;
    QString m_region;
    QString m_postalCode;
    QString m_country;
};

} // namespace addrell
