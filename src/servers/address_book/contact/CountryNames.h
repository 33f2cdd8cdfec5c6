#pragma once

#include <QLocale>
#include <QStringView>

namespace addrell {

// Recognises the country written on an address.
class CountryNames {
public:
    // The territory `country` names: its English or native name, its two-letter code, or a
    // common alias ("USA", "U.K."), compared without case or dots. AnyTerritory when unknown.
    [[nodiscard]] static QLocale::Territory territoryOf(QStringView country);
};

} // namespace addrell
