#include "servers/address_book/contact/CountryNames.h"

#include <QHash>
#include <QString>

#include <array>
#include <utility>

namespace addrell {

namespace {

using namespace Qt::Literals::StringLiterals;

// ISO 3166-1: each alpha-2 code followed by the alpha-3 code of the same country.
constexpr QLatin1StringView kAlpha3Codes(
    "ADANDAEAREAFAFGAGATGAIAIAALALBAMARMAOAGOAQATAARARGASASMATAUTAUAUSAWABWAXALAAZAZEBABIHBBBRB"
    "BDBGDBEBELBFBFABGBGRBHBHRBIBDIBJBENBLBLMBMBMUBNBRNBOBOLBQBESBRBRABSBHSBTBTNBVBVTBWBWABYBLR"
    "BZBLZCACANCCCCKCDCODCFCAFCGCOGCHCHECICIVCKCOKCLCHLCMCMRCNCHNCOCOLCRCRICUCUBCVCPVCWCUWCXCXR"
    "CYCYPCZCZEDEDEUDJDJIDKDNKDMDMADODOMDZDZAECECUEEESTEGEGYEHESHERERIESESPETETHFIFINFJFJIFKFLK"
    "FMFSMFOFROFRFRAGAGABGBGBRGDGRDGEGEOGFGUFGGGGYGHGHAGIGIBGLGRLGMGMBGNGINGPGLPGQGNQGRGRCGSSGS"
    "GTGTMGUGUMGWGNBGYGUYHKHKGHMHMDHNHNDHRHRVHTHTIHUHUNIDIDNIEIRLILISRIMIMNININDIOIOTIQIRQIRIRN"
    "ISISLITITAJEJEYJMJAMJOJORJPJPNKEKENKGKGZKHKHMKIKIRKMCOMKNKNAKPPRKKRKORKWKWTKYCYMKZKAZLALAO"
    "LBLBNLCLCALILIELKLKALRLBRLSLSOLTLTULULUXLVLVALYLBYMAMARMCMCOMDMDAMEMNEMFMAFMGMDGMHMHLMKMKD"
    "MLMLIMMMMRMNMNGMOMACMPMNPMQMTQMRMRTMSMSRMTMLTMUMUSMVMDVMWMWIMXMEXMYMYSMZMOZNANAMNCNCLNENER"
    "NFNFKNGNGANINICNLNLDNONORNPNPLNRNRUNUNIUNZNZLOMOMNPAPANPEPERPFPYFPGPNGPHPHLPKPAKPLPOLPMSPM"
    "PNPCNPRPRIPSPSEPTPRTPWPLWPYPRYQAQATREREUROROURSSRBRURUSRWRWASASAUSBSLBSCSYCSDSDNSESWESGSGP"
    "SHSHNSISVNSJSJMSKSVKSLSLESMSMRSNSENSOSOMSRSURSSSSDSTSTPSVSLVSXSXMSYSYRSZSWZTCTCATDTCDTFATF"
    "TGTGOTHTHATJTJKTKTKLTLTLSTMTKMTNTUNTOTONTRTURTTTTOTVTUVTWTWNTZTZAUAUKRUGUGAUMUMIUSUSAUYURY"
    "UZUZBVAVATVCVCTVEVENVGVGBVIVIRVNVNMVUVUTWFWLFWSWSMYEYEMYTMYTZAZAFZMZMBZWZWE");

// Where QLocale's English name is not the one international mail uses.
constexpr std::pair<QLocale::Territory, const char16_t*> kPostalNames[] = {
    {QLocale::CongoBrazzaville, u"Congo"},
    {QLocale::CongoKinshasa, u"Democratic Republic of the Congo"},
    {QLocale::GuineaBissau, u"Guinea-Bissau"},
    {QLocale::HeardAndMcDonaldIslands, u"Heard Island and McDonald Islands"},
    {QLocale::IvoryCoast, u"Cote d'Ivoire"},
    {QLocale::Macedonia, u"North Macedonia"},
    {QLocale::SaintVincentAndGrenadines, u"Saint Vincent and the Grenadines"},
    {QLocale::UnitedStates, u"United States of America"},
};

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

// A country rather than a continent or a union, which no address ends with.
bool isCountry(QLocale::Territory territory)
{
    const QString code = QLocale::territoryToCode(territory);
    return code.size() == 2 && code != u"EU" && code != u"QO";
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
    for (const auto& [territory, name] : kPostalNames) {
        add(name, territory);
    }
    // English names and codes first: the native names of some countries are other countries'
    // codes or English names.
    for (int value = QLocale::AnyTerritory + 1; value <= QLocale::LastTerritory; ++value) {
        if (const auto territory = static_cast<QLocale::Territory>(value); isCountry(territory)) {
            add(QLocale::territoryToString(territory), territory);
            add(QLocale::territoryToCode(territory), territory);
        }
    }
    for (qsizetype at = 0; at + 5 <= kAlpha3Codes.size(); at += 5) {
        add(QString(kAlpha3Codes.sliced(at + 2, 3)),
            QLocale::codeToTerritory(QString(kAlpha3Codes.sliced(at, 2))));
    }
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        if (isCountry(locale.territory())) {
            add(locale.nativeTerritoryName(), locale.territory());
        }
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

QString CountryNames::postalName(QLocale::Territory territory)
{
    for (const auto& [known, name] : kPostalNames) {
        if (known == territory) {
            return QString::fromUtf16(name).toUpper();
        }
    }
    return QLocale::territoryToString(territory).toUpper();
}

} // namespace addrell
