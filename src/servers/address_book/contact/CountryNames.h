#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace addrell {

// Recognises the country written on an address, and names it for international mail.
class CountryNames {
public:
    // The territory `country` names: its English name, its own name in one of its languages, its
    // ISO 3166 two- or three-letter code, or a common alias ("U.K."), compared without case or
    // dots. AnyTerritory when unknown.
    [[nodiscard]] static QLocale::Territory territoryOf(QStringView country);
    // `territory`'s English name in capitals, as the post of other countries reads it.
    [[nodiscard]] static QString postalName(QLocale::Territory territory);
};

} // namespace addrell
