#include "servers/address_book/VCardMailingAddress.h"

#include "servers/address_book/PostalAddress.h"

#include <optional>

namespace addrell {

namespace {

// Outlook's numbering in X-MS-OL-DEFAULT-POSTAL-ADDRESS.
enum class AddressKind { Home = 1, Work = 2, Other = 3 };

AddressKind kindOf(const VCardProperty& property)
{
    if (property.hasType(u"HOME")) {
        return AddressKind::Home;
    }
    if (property.hasType(u"WORK")) {
        return AddressKind::Work;
    }
    return AddressKind::Other;
}

QString labelParameter(const VCardProperty& address)
{
    // Writers put line breaks in the LABEL parameter as ^n (decoded already) or as \n.
    QString label = address.parameterValues(u"LABEL").join(u',');
    return label.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\\N"), QStringLiteral("\n"));
}

bool isBlank(const VCardProperty& address)
{
    return PostalAddress(address.components()).isEmpty() && labelParameter(address).isEmpty();
}

// TYPE=pref (2.1, 3.0) ranks as PREF=1 (4.0); lower is preferred.
std::optional<int> preference(const VCardProperty& address)
{
    for (const QString& value : address.parameterValues(u"PREF")) {
        bool ok = false;
        const int rank = value.trimmed().toInt(&ok);
        if (ok) {
            return rank;
        }
    }
    return address.hasType(u"PREF") ? std::optional<int>(1) : std::nullopt;
}

std::optional<qsizetype> chooseAddress(const VCard& card, const QList<VCardProperty>& addresses)
{
    if (const auto chosen = card.property(u"X-MS-OL-DEFAULT-POSTAL-ADDRESS")) {
        bool ok = false;
        const int kind = chosen->value().trimmed().toInt(&ok);
        if (ok && kind >= 0 && kind <= static_cast<int>(AddressKind::Other)) {
            // The card's own choice stands, even when that address is missing: Outlook then
            // has no mailing address either.
            for (qsizetype i = 0; kind != 0 && i < addresses.size(); ++i) {
                if (static_cast<int>(kindOf(addresses[i])) == kind && !isBlank(addresses[i])) {
                    return i;
                }
            }
            return std::nullopt;
        }
    }
    std::optional<qsizetype> best;
    std::optional<int> bestRank;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const std::optional<int> rank = preference(addresses[i]);
        if (rank && !isBlank(addresses[i]) && (!bestRank || *rank < *bestRank)) {
            best = i;
            bestRank = rank;
        }
    }
    if (best) {
        return best;
    }
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (!isBlank(addresses[i])) {
            return i;
        }
    }
    return std::nullopt;
}

// The LABEL that belongs to addresses[index]: the one in the same item group, or else the
// ungrouped label of the same kind at the same position among its kind.
QString labelFor(const VCard& card, const QList<VCardProperty>& addresses, qsizetype index)
{
    const VCardProperty& address = addresses[index];
    if (QString label = labelParameter(address); !label.isEmpty()) {
        return label;
    }
    const QList<VCardProperty> labels = card.properties(u"LABEL");
    if (!address.group().isEmpty()) {
        for (const VCardProperty& label : labels) {
            if (label.group().compare(address.group(), Qt::CaseInsensitive) == 0) {
                return label.value();
            }
        }
        return QString();
    }
    const AddressKind kind = kindOf(address);
    qsizetype position = 0;
    for (qsizetype i = 0; i < index; ++i) {
        position += addresses[i].group().isEmpty() && kindOf(addresses[i]) == kind ? 1 : 0;
    }
    for (const VCardProperty& label : labels) {
        if (label.group().isEmpty() && kindOf(label) == kind && position-- == 0) {
            return label.value();
        }
    }
    return QString();
}

QStringList labelLines(const QString& label, const QStringList& names, QLocale::Territory home)
{
    QString unified = label;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines;
    for (const QString& line : unified.split(u'\n')) {
        if (const QString trimmed = line.trimmed(); !trimmed.isEmpty()) {
            lines.append(trimmed);
        }
    }
    if (!lines.isEmpty()) {
        for (const QString& name : names) {
            if (!name.isEmpty() &&
                lines.front().simplified().compare(name.simplified(), Qt::CaseInsensitive) == 0) {
                lines.removeFirst();
                break;
            }
        }
    }
    PostalAddress::removeHomeCountry(lines, home);
    return lines;
}

} // namespace

QString VCardMailingAddress::of(const VCard& card, const QStringList& names,
                                QLocale::Territory home)
{
    const QList<VCardProperty> addresses = card.properties(u"ADR");
    const std::optional<qsizetype> chosen = chooseAddress(card, addresses);
    if (!chosen) {
        return QString();
    }
    const QStringList lines = labelLines(labelFor(card, addresses, *chosen), names, home);
    if (!lines.isEmpty()) {
        return lines.join(u"\r\n");
    }
    return PostalAddress(addresses[*chosen].components()).format(home);
}

} // namespace addrell
