#include "servers/address_book/contact/PostalAddress.h"

#include "servers/address_book/contact/CountryNames.h"

#include <algorithm>
#include <array>

namespace addrell {

namespace {

enum class CityLineOrder {
    CityRegionCode, // "City, ST  ZIP": the United States and most of the Americas
    CodeCity,       // "ZIP  City": most of Europe
    Stacked,        // city, county and postcode on lines of their own: the British Isles
};

CityLineOrder orderFor(QLocale::Territory territory)
{
    static constexpr std::array codeFirst = {
        QLocale::Andorra,      QLocale::Austria,
        QLocale::Belgium,      QLocale::BosniaAndHerzegovina,
        QLocale::Bulgaria,     QLocale::Croatia,
        QLocale::Cyprus,       QLocale::Czechia,
        QLocale::Denmark,      QLocale::Estonia,
        QLocale::FaroeIslands, QLocale::Finland,
        QLocale::France,       QLocale::Germany,
        QLocale::Greece,       QLocale::Greenland,
        QLocale::Hungary,      QLocale::Iceland,
        QLocale::Italy,        QLocale::Liechtenstein,
        QLocale::Lithuania,    QLocale::Luxembourg,
        QLocale::Macedonia,    QLocale::Monaco,
        QLocale::Montenegro,   QLocale::Netherlands,
        QLocale::Norway,       QLocale::Poland,
        QLocale::Portugal,     QLocale::Romania,
        QLocale::SanMarino,    QLocale::Serbia,
        QLocale::Slovakia,     QLocale::Slovenia,
        QLocale::Spain,        QLocale::Sweden,
        QLocale::Switzerland,  QLocale::Turkey,
        QLocale::VaticanCity,
    };
    if (territory == QLocale::UnitedKingdom || territory == QLocale::Ireland) {
        return CityLineOrder::Stacked;
    }
    if (std::find(codeFirst.begin(), codeFirst.end(), territory) != codeFirst.end()) {
        return CityLineOrder::CodeCity;
    }
    return CityLineOrder::CityRegionCode;
}

// `first` and `second` with `separator` between them only when both are there.
QString joined(const QString& first, const QString& second, QStringView separator)
{
    if (first.isEmpty() || second.isEmpty()) {
        return first + second;
    }
    return first + separator.toString() + second;
}

void appendLines(QStringList& lines, const QString& text)
{
    if (!text.contains(u'\n') && !text.contains(u'\r')) { // most parts: no split needed
        if (const QString trimmed = text.trimmed(); !trimmed.isEmpty()) {
            lines.append(trimmed);
        }
        return;
    }
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString& line : unified.split(u'\n')) {
        if (const QString trimmed = line.trimmed(); !trimmed.isEmpty()) {
            lines.append(trimmed);
        }
    }
}

} // namespace

PostalAddress::PostalAddress(const std::vector<VCardProperty::Values>& components)
{
    const auto part = [&components](qsizetype index, QStringView separator) {
        if (index >= static_cast<qsizetype>(components.size())) {
            return QString();
        }
        const VCardProperty::Values& values = components[static_cast<std::size_t>(index)];
        if (values.size() == 1) { // nearly always
            return values.front().trimmed();
        }
        QString joined;
        for (const QString& value : values) {
            if (const QStringView trimmed = QStringView(value).trimmed(); !trimmed.isEmpty()) {
                if (!joined.isEmpty()) {
                    joined += separator;
                }
                joined += trimmed;
            }
        }
        return joined;
    };
    // The values of a street or an extended address are lines of their own (Thunderbird writes a
    // three-line street so); those of the other parts share one.
    m_poBox = part(0, u", ");
    m_extended = part(1, u"\n");
    m_street = part(2, u"\n");
    m_locality = part(3, u", ");
    m_region = part(4, u", ");
    m_postalCode = part(5, u", ");
    m_country = part(6, u", ");
}

bool PostalAddress::isEmpty() const
{
    return m_poBox.isEmpty() && m_extended.isEmpty() && m_street.isEmpty() &&
           m_locality.isEmpty() && m_region.isEmpty() && m_postalCode.isEmpty() &&
           m_country.isEmpty();
}

QString PostalAddress::format(QLocale::Territory home) const
{
    const QLocale::Territory country = CountryNames::territoryOf(m_country);
    QStringList lines;
    appendLines(lines, m_extended);
    appendLines(lines, m_street);
    // USPS delivers to the line just above the city line, so the box goes last.
    appendLines(lines, m_poBox);
    switch (orderFor(country == QLocale::AnyTerritory ? home : country)) {
    case CityLineOrder::CityRegionCode:
        appendLines(lines, joined(m_locality, joined(m_region, m_postalCode, u"  "), u", "));
        break;
    case CityLineOrder::CodeCity:
        appendLines(lines, joined(m_postalCode, m_locality, u"  "));
        appendLines(lines, m_region);
        break;
    case CityLineOrder::Stacked:
        appendLines(lines, m_locality);
        appendLines(lines, m_region);
        appendLines(lines, m_postalCode);
        break;
    }
    if (country == QLocale::AnyTerritory) {
        appendLines(lines, m_country.toUpper());
    } else if (country != home) {
        appendLines(lines, CountryNames::postalName(country));
    }
    if (m_locality.isEmpty() && m_region.isEmpty() && m_postalCode.isEmpty() &&
        m_country.isEmpty()) {
        // Written whole into the street or extended field, country line and all.
        removeHomeCountry(lines, home);
    }
    return lines.join(u"\r\n");
}

void PostalAddress::removeHomeCountry(QStringList& lines, QLocale::Territory home)
{
    if (lines.size() > 1 && home != QLocale::AnyTerritory &&
        CountryNames::territoryOf(lines.back()) == home) {
        lines.removeLast();
    }
}

} // namespace addrell
