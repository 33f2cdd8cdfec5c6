#include "servers/address_book/contact/CountryNames.h"

#include <QHash>
#include <QString>

#include <array>
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
    // A folder names the same few countries card after card: the last few answers are kept,
    // one set per thread, since folders are read on several.
    struct Answer {
        QString country;
        QLocale::Territory territory = QLocale::AnyTerritory;
        bool given = false;
    };
    thread_local std::array<Answer, 4> recent;
    thread_local std::size_t next = 0;
    for (const Answer& answer : recent) {
        if (answer.given && answer.country == country) {
            return answer.territory;
        }
    }
    const QLocale::Territory territory = names.value(normalized(country), QLocale::AnyTerritory);
    recent[next] = {country.toString(), territory, true};
    next = (next + 1) % recent.size();
    return territory;
}

} // namespace addrell
