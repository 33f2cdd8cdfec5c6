#include "servers/address_book/CountryNames.h"

#include <QHash>
#include <QString>

#include <utility>

namespace addrell {

namespace {

QString normalized(QStringView name)
{
    QString key = name.toString().toCaseFolded();
    key.remove(u'.');
    key.replace(u'-', u' ');
    key = key.simplified();
    if (key.startsWith(u"the ")) {
        key.remove(0, 4);
    }
    return key;
}

QHash<QString, QLocale::Territory> buildNames()
{
    QHash<QString, QLocale::Territory> names;
    const auto add = [&names](QStringView name, QLocale::Territory territory) {
        const QString key = normalized(name);
        if (!key.isEmpty() && !names.contains(key)) {
            names.insert(key, territory);
        }
    };
    const std::pair<const char16_t*, QLocale::Territory> aliases[] = {
        {u"USA", QLocale::UnitedStates},
        {u"United States of America", QLocale::UnitedStates},
        {u"America", QLocale::UnitedStates},
        {u"UK", QLocale::UnitedKingdom},
        {u"Great Britain", QLocale::UnitedKingdom},
        {u"England", QLocale::UnitedKingdom},
        {u"Scotland", QLocale::UnitedKingdom},
        {u"Wales", QLocale::UnitedKingdom},
        {u"Northern Ireland", QLocale::UnitedKingdom},
        {u"Holland", QLocale::Netherlands},
        {u"Czech Republic", QLocale::Czechia},
    };
    for (const auto& [alias, territory] : aliases) {
        add(alias, territory);
    }
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        add(QLocale::territoryToString(locale.territory()), locale.territory());
        add(QLocale::territoryToCode(locale.territory()), locale.territory());
    }
    for (const QLocale& locale : locales) {
        add(locale.nativeTerritoryName(), locale.territory());
    }
    return names;
}

} // namespace

QLocale::Territory CountryNames::territoryOf(QStringView country)
{
    static const QHash<QString, QLocale::Territory> names = buildNames();
    return names.value(normalized(country), QLocale::AnyTerritory);
}

} // namespace addrell
