#include "servers/address_book/contact/VCardContact.h"

#include "servers/address_book/contact/VCardMailingAddress.h"

#include <QVarLengthArray>

#include <array>
#include <initializer_list>

namespace addrell {

namespace {

// N: family; given; additional; prefixes; suffixes.
enum NamePart { Family = 0, Given = 1, Middle = 2, Prefix = 3, Suffix = 4 };

QString joinPresent(std::initializer_list<QStringView> parts, QStringView separator)
{
    QVarLengthArray<QStringView, 5> present;
    qsizetype size = 0;
    for (const QStringView part : parts) {
        if (const QStringView trimmed = part.trimmed(); !trimmed.isEmpty()) {
            size += (present.isEmpty() ? 0 : separator.size()) + trimmed.size();
            present.append(trimmed);
        }
    }
    QString joined;
    joined.reserve(size);
    for (const QStringView part : present) {
        if (!joined.isEmpty()) {
            joined += separator;
        }
        joined += part;
    }
    return joined;
}

// A name part that holds several values ("Philip,Paul") as the words of one.
QString nameWords(const VCardProperty::Values& values)
{
    if (values.size() == 1) { // nearly always
        return values.front();
    }
    QString words;
    for (const QString& value : values) {
        if (const QStringView trimmed = QStringView(value).trimmed(); !trimmed.isEmpty()) {
            if (!words.isEmpty()) {
                words += u' ';
            }
            words += trimmed;
        }
    }
    return words;
}

bool isGroup(const VCard& card)
{
    const auto is = [&card](QStringView name, QStringView value) {
        return card.value(name).trimmed().compare(value, Qt::CaseInsensitive) == 0;
    };
    return is(u"KIND", u"group") || is(u"X-ADDRESSBOOKSERVER-KIND", u"group") ||
           is(u"X-EVOLUTION-LIST", u"TRUE");
}

QString fileAsOf(const VCard& card, const QStringList& name, const QString& company)
{
    if (QString fileAs = card.value(u"X-EVOLUTION-FILE-AS").trimmed(); !fileAs.isEmpty()) {
        return fileAs;
    }
    if (const auto n = card.property(u"N")) {
        // One sort string per N component, commas between them, quoted or not.
        QStringList sortAs;
        for (const QString& value : n->parameterValues(u"SORT-AS")) {
            for (const QString& part : value.split(u',')) {
                if (!part.trimmed().isEmpty()) {
                    sortAs.append(part.trimmed());
                }
            }
        }
        if (!sortAs.isEmpty()) {
            return sortAs.join(u", ");
        }
    }
    if (QString sortString = card.value(u"SORT-STRING").trimmed(); !sortString.isEmpty()) {
        return sortString;
    }
    const QString family = name[Family].trimmed();
    const QString given = joinPresent({name[Given], name[Middle]}, u" ");
    if (QString fromName = joinPresent({family, given}, u", "); !fromName.isEmpty()) {
        return fromName;
    }
    if (!company.isEmpty()) {
        return company;
    }
    return card.value(u"FN").trimmed();
}

} // namespace

VCardPropertyFilter VCardContact::readProperties() noexcept
{
    // What this class and VCardMailingAddress look up.
    static constexpr std::array<QByteArrayView, 11> kNames = {"N",
                                                              "FN",
                                                              "ORG",
                                                              "ADR",
                                                              "LABEL",
                                                              "KIND",
                                                              "X-ADDRESSBOOKSERVER-KIND",
                                                              "X-EVOLUTION-LIST",
                                                              "X-EVOLUTION-FILE-AS",
                                                              "SORT-STRING",
                                                              "X-MS-OL-DEFAULT-POSTAL-ADDRESS"};
    return VCardPropertyFilter(kNames);
}

VCardContact::VCardContact(const VCard& card, QLocale::Territory home)
    : m_itemClass(isGroup(card) ? kDistributionListClass : kContactClass)
{
    QStringList name;
    if (const auto n = card.property(u"N")) {
        for (const VCardProperty::Values& values : n->componentValues()) {
            name.append(nameWords(values));
        }
    }
    name.resize(Suffix + 1);
    if (const auto org = card.property(u"ORG")) {
        m_companyName = org->component(0).trimmed();
    }
    m_fileAs = fileAsOf(card, name, m_companyName);
    const QString formattedName = card.value(u"FN").trimmed();
    const QString builtName =
        joinPresent({name[Prefix], name[Given], name[Middle], name[Family], name[Suffix]}, u" ");
    m_fullName = formattedName.isEmpty() ? builtName : formattedName;
    m_mailingAddress = VCardMailingAddress::of(
        card, {formattedName, builtName, joinPresent({name[Given], name[Family]}, u" ")}, home);
}

} // namespace addrell
