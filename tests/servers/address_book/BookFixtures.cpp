#include "BookFixtures.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace addrell::testing {

namespace {

void run(sqlite3* database, const QString& sql)
{
    char* message = nullptr;
    ASSERT_EQ(sqlite3_exec(database, sql.toUtf8().constData(), nullptr, nullptr, &message),
              SQLITE_OK)
        << message;
}

QString quoted(QString text)
{
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace

void writeThunderbirdBook(const QString& path, const std::vector<ThunderbirdCard>& cards,
                          const QStringList& lists)
{
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &database), SQLITE_OK);
    run(database,
        QStringLiteral("BEGIN; CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER);"
                       "CREATE TABLE properties (card TEXT, name TEXT, value TEXT);"
                       "CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT, "
                       "nickName TEXT, description TEXT);"
                       "CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));"));
    for (const QString& list : lists) {
        run(database,
            QStringLiteral("INSERT INTO lists VALUES (%1, 0, %1, '', '')").arg(quoted(list)));
    }
    for (std::size_t card = 0; card < cards.size(); ++card) {
        const QString uid = QStringLiteral("card-%1").arg(card);
        run(database, QStringLiteral("INSERT INTO cards VALUES ('%1', %2)").arg(uid).arg(card));
        for (const auto& [name, value] : cards[card]) {
            run(database, QStringLiteral("INSERT INTO properties VALUES ('%1', %2, %3)")
                              .arg(uid, quoted(name), quoted(value)));
        }
        for (const QString& list : lists) {
            run(database,
                QStringLiteral("INSERT INTO list_cards VALUES (%1, '%2')").arg(quoted(list), uid));
        }
    }
    run(database, QStringLiteral("COMMIT"));
    sqlite3_close(database);
}

QString writeThunderbirdProfile(const QString& base, const QString& name, const QByteArray& prefs)
{
    const QString folder = base + u'/' + name;
    EXPECT_TRUE(QDir().mkpath(folder));
    QFile ini(base + QStringLiteral("/profiles.ini"));
    EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=%1\n"
                             "IsRelative=1\nPath=%1\nDefault=1\n")
                  .arg(name)
                  .toUtf8());
    QFile prefsFile(folder + QStringLiteral("/prefs.js"));
    EXPECT_TRUE(prefsFile.open(QIODevice::WriteOnly));
    prefsFile.write(prefs);
    return folder;
}

} // namespace addrell::testing
