#include "servers/address_book/books/ThunderbirdBook.h"

#include "automation/AutomationError.h"
#include "servers/address_book/books/ReadVCardText.h"
#include "servers/address_book/books/SqliteDatabase.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace addrell {

namespace {

using namespace Qt::Literals::StringLiterals;
using Fields = QHash<QString, QString>;

QString escaped(QString value)
{
    value.replace(u'\\', u"\\\\"_s);
    value.replace(u',', u"\\,"_s);
    value.replace(u';', u"\\;"_s);
    value.replace(u"\r\n"_s, u"\\n"_s);
    value.replace(u'\n', u"\\n"_s);
    value.replace(u'\r', u"\\n"_s);
    return value;
}

// One of the card's addresses as ADR's components; nothing when it has none of them.
QString adr(const Fields& fields, const QString& prefix)
{
    const auto part = [&](QLatin1StringView name) { return escaped(fields.value(prefix + name)); };
    QStringList street;
    for (const QString& line : {part("Address"_L1), part("Address2"_L1)}) {
        if (!line.isEmpty()) {
            street << line;
        }
    }
    const QStringList parts = {QString(),         QString(),        street.join(u"\\n"_s),
                               part("City"_L1),   part("State"_L1), part("ZipCode"_L1),
                               part("Country"_L1)};
    const bool empty =
        std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.isEmpty(); });
    return empty ? QString() : parts.join(u';');
}

// The card as Thunderbird before 102 kept it: one property per field.
QByteArray vCardFromFields(const Fields& fields)
{
    QStringList lines = {u"BEGIN:VCARD"_s, u"VERSION:3.0"_s};
    if (const QString name = fields.value(u"DisplayName"_s); !name.isEmpty()) {
        lines << u"FN:"_s + escaped(name);
    }
    const QString family = escaped(fields.value(u"LastName"_s));
    const QString given = escaped(fields.value(u"FirstName"_s));
    if (!family.isEmpty() || !given.isEmpty()) {
        lines << u"N:%1;%2;;;"_s.arg(family, given);
    }
    if (const QString company = fields.value(u"Company"_s); !company.isEmpty()) {
        lines << u"ORG:"_s + escaped(company);
    }
    // Work first: it is where business letters go.
    const std::pair<QString, QString> kinds[] = {{u"Work"_s, u"WORK"_s}, {u"Home"_s, u"HOME"_s}};
    for (const auto& [prefix, type] : kinds) {
        if (const QString address = adr(fields, prefix); !address.isEmpty()) {
            lines << u"ADR;TYPE=%1:%2"_s.arg(type, address);
        }
    }
    lines << u"END:VCARD"_s;
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

QByteArray listCard(const QString& name)
{
    return (u"BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:"_s + escaped(name) +
            u"\r\nEND:VCARD\r\n"_s)
        .toUtf8();
}

enum class Schema { None, Cards, Properties };

// Which tables hold the cards; None for a file that is no address book or is damaged.
Schema schemaOf(const SqliteDatabase& database)
{
    QSet<QString> tables;
    if (!database.query("SELECT name FROM sqlite_master WHERE type = 'table'",
                        [&tables](const SqliteDatabase::Row& row) { tables << row.text(0); }) ||
        !tables.contains(u"properties"_s) || !tables.contains(u"lists"_s)) {
        return Schema::None;
    }
    return tables.contains(u"cards"_s) ? Schema::Cards : Schema::Properties;
}

} // namespace

ThunderbirdBook::ThunderbirdBook(QString path) : m_path(std::move(path)) {}

std::optional<qint64> ThunderbirdBook::count() const
{
    const SqliteDatabase database(m_path);
    const Schema schema = schemaOf(database);
    // Contacts alone, as the grid shows them: a mailing list is no contact.
    const char* sql = schema == Schema::Cards ? "SELECT COUNT(*) FROM cards"
                                              : "SELECT COUNT(DISTINCT card) FROM properties";
    qint64 total = 0;
    const auto take = [&total](const SqliteDatabase::Row& row) { total = row.integer(0); };
    if (schema == Schema::None || !database.query(sql, take)) {
        return std::nullopt;
    }
    return total;
}

void ThunderbirdBook::readCards(const VCardReader::CardSink& sink) const
{
    const SqliteDatabase database(m_path);
    const Schema schema = schemaOf(database);
    // A card is the rows of `properties` that share it; before Thunderbird 102 `cards` listed
    // them.
    const char* orderSql = schema == Schema::Cards
                               ? "SELECT uid FROM cards ORDER BY rowid"
                               : "SELECT card FROM properties GROUP BY card ORDER BY MIN(rowid)";
    QStringList order;
    QHash<QString, Fields> cards;
    QByteArray lists;
    const bool read =
        schema != Schema::None &&
        database.query(orderSql, [&](const SqliteDatabase::Row& row) { order << row.text(0); }) &&
        database.query("SELECT card, name, value FROM properties",
                       [&](const SqliteDatabase::Row& row) {
                           cards[row.text(0)].insert(row.text(1), row.text(2));
                       }) &&
        database.query("SELECT name FROM lists ORDER BY rowid",
                       [&](const SqliteDatabase::Row& row) { lists += listCard(row.text(0)); });
    if (!read) {
        throw AutomationError(
            RuntimeError::PathFileAccessError,
            QStringLiteral("Path/File access error: %1").arg(QDir::toNativeSeparators(m_path)),
            kApplicationTitle);
    }
    QByteArray text;
    for (const QString& uid : std::as_const(order)) {
        const Fields fields = cards.value(uid);
        const QString own = fields.value(u"_vCard"_s);
        text += own.isEmpty() ? vCardFromFields(fields) : own.toUtf8() + "\r\n";
    }
    readVCardText(text + lists, sink);
}

} // namespace addrell
