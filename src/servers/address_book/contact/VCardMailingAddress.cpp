#include "servers/address_book/contact/VCardMailingAddress.h"

#include "servers/address_book/contact/PostalAddress.h"

#include <QVarLengthArray>

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

// An ADR of a card with what every step below asks of it worked out once.
struct Address {
    Address() : postal({}) {} // only for the array's room
    explicit Address(const VCardProperty& address)
        : property(&address), postal(address.componentValues()), kind(kindOf(address)),
          blank(postal.isEmpty() && labelParameter(address).isEmpty())
    {
    }

    const VCardProperty* property = nullptr;
    PostalAddress postal;
    AddressKind kind = AddressKind::Other;
    bool blank = true;
};

using Addresses = QVarLengthArray<Address, 4>;

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

std::optional<qsizetype> chooseAddress(const VCard& card, const Addresses& addresses)
{
    if (const auto chosen = card.property(u"X-MS-OL-DEFAULT-POSTAL-ADDRESS")) {
        bool ok = false;
        const int kind = chosen->value().trimmed().toInt(&ok);
        if (ok && kind >= 0 && kind <= static_cast<int>(AddressKind::Other)) {
            // The card's own choice stands, even when that address is missing: Outlook then
            // has no mailing address either.
            for (qsizetype i = 0; kind != 0 && i < addresses.size(); ++i) {
                if (static_cast<int>(addresses[i].kind) == kind && !addresses[i].blank) {
                    return i;
                }
            }
            return std::nullopt;
        }
    }
    std::optional<qsizetype> best;
    std::optional<int> bestRank;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        const std::optional<int> rank = preference(*addresses[i].property);
        if (rank && !addresses[i].blank && (!bestRank || *rank < *bestRank)) {
            best = i;
            bestRank = rank;
        }
    }
    if (best) {
        return best;
    }
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (!addresses[i].blank) {
            return i;
        }
    }
    return std::nullopt;
}

// The LABEL that belongs to addresses[index]: the one in the same item group, or else the
// ungrouped label of the same kind at the same position among its kind.
QString labelFor(const VCard& card, const Addresses& addresses, qsizetype index)
{
    const VCardProperty& address = *addresses[index].property;
    if (QString label = labelParameter(address); !label.isEmpty()) {
        return label;
    }
    const auto labels = card.properties(u"LABEL");
    if (!address.group().isEmpty()) {
        for (const VCardProperty* label : labels) {
            if (label->group().compare(address.group(), Qt::CaseInsensitive) == 0) {
                return label->value();
            }
        }
        return QString();
    }
    const AddressKind kind = addresses[index].kind;
    qsizetype position = 0;
    for (qsizetype i = 0; i < index; ++i) {
        position += addresses[i].property->group().isEmpty() && addresses[i].kind == kind ? 1 : 0;
    }
    for (const VCardProperty* label : labels) {
        if (label->group().isEmpty() && kindOf(*label) == kind && position-- == 0) {
            return label->value();
        }
    }
    return QString();
}

// QString::simplified, without the copy for the names and lines that need no change.
QString simplified(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace() &&
            (i == 0 || i + 1 == text.size() || text[i] != u' ' || text[i + 1].isSpace())) {
            return text.simplified();
        }
    }
    return text;
}

QStringList labelLines(const QString& label, const QStringList& names, QLocale::Territory home)
{
    QString unified = label;
    if (unified.contains(u'\r')) {
        unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    }
    QStringList lines;
    for (const QStringView line : QStringView(unified).tokenize(u'\n')) {
        if (const QStringView trimmed = line.trimmed(); !trimmed.isEmpty()) {
            lines.append(trimmed.toString());
        }
    }
    if (!lines.isEmpty()) {
        const QString first = simplified(lines.front());
        for (const QString& name : names) {
            if (!name.isEmpty() && first.compare(simplified(name), Qt::CaseInsensitive) == 0) {
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
    Addresses addresses;
    for (const VCardProperty* address : card.properties(u"ADR")) {
        addresses.emplace_back(*address);
    }
    const std::optional<qsizetype> chosen = chooseAddress(card, addresses);
    if (!chosen) {
        return QString();
    }
    const QStringList lines = labelLines(labelFor(card, addresses, *chosen), names, home);
    if (!lines.isEmpty()) {
        return lines.join(u"\r\n");
    }
    return addresses[*chosen].postal.format(home);
}

} // namespace addrell
