#include "BookFixtures.h"

#include <QFileInfo>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace addrell::testing {

namespace {

using namespace Qt::Literals::StringLiterals;

QString quoted(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace

void writeThunderbirdBook(const QString& path, const std::vector<ThunderbirdCard>& cards,
                          const QStringList& lists)
{
    QString sql = QStringLiteral(
        "BEGIN; CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER);"
        "CREATE TABLE properties (card TEXT, name TEXT, value TEXT);"
        "CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT, nickName TEXT, "
        "description TEXT); CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, "
        "card));");
    for (const QString& list : lists) {
        sql += QStringLiteral("INSERT INTO lists VALUES (%1, 0, %1, '', '');").arg(quoted(list));
    }
    for (std::size_t card = 0; card < cards.size(); ++card) {
        sql += QStringLiteral("INSERT INTO cards VALUES ('c%1', %1);").arg(card);
        for (const auto& [name, value] : cards[card]) {
            sql += QStringLiteral("INSERT INTO properties VALUES ('c%1', %2, %3);")
                       .arg(QString::number(card), quoted(name), quoted(value));
        }
        for (const QString& list : lists) {
            sql += QStringLiteral("INSERT INTO list_cards VALUES (%1, 'c%2');")
                       .arg(quoted(list))
                       .arg(card);
        }
    }
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &database), SQLITE_OK);
    EXPECT_EQ(
        sqlite3_exec(database, (sql + u"COMMIT;"_s).toUtf8().constData(), nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(database);
}

QString writeThunderbirdProfile(const TempFiles& home, const QString& base, const QString& name,
                                const QByteArray& prefs)
{
    home.write(base + u"/profiles.ini"_s,
               QStringLiteral("[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=%1\n"
                              "IsRelative=1\nPath=%1\n")
                   .arg(name)
                   .toUtf8());
    return QFileInfo(home.write(base + u'/' + name + u"/prefs.js"_s, prefs)).path();
}

QStringList chooserRows(const QTreeWidget& tree)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it != nullptr; ++it) {
        QString indent;
        for (const QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent()) {
            indent += u"  "_s;
        }
        rows << indent + (*it)->text(0) + u'|' + (*it)->text(1);
    }
    return rows;
}

} // namespace addrell::testing
