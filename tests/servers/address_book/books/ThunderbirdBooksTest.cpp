#include "AddressBooksFixture.h"
#include "QtPrinters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QScopeGuard>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// Every file under `folder`, hidden ones too, with a checksum of its bytes.
QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        (void)file.open(QIODevice::ReadOnly);
        files << QDir(folder).relativeFilePath(file.fileName()) + u' ' +
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
    }
    files.sort();
    return files;
}

TEST_F(AddressBooks, ThunderbirdBooksReadFromCopiesAsThunderbirdShowsThem)
{
    copyThunderbirdFiles(u"closed"_s, home.path() + u"/.thunderbird"_s);
    copyThunderbirdFiles(u"live"_s, home.path() + u"/live"_s);
    // Thunderbird running: its book held with an exclusive lock, its newest cards in the log.
    sqlite3* running = nullptr;
    ASSERT_EQ(sqlite3_open((home.path() + u"/live/abook.sqlite"_s).toUtf8().constData(), &running),
              SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closeLater(running, sqlite3_close);
    ASSERT_EQ(sqlite3_exec(running, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE", {}, {}, {}),
              SQLITE_OK);
    const QString notADatabase = home.write(u"notes/abook.sqlite"_s, kCard);
    // The private copies go here, to be gone afterwards as well.
    QDir(home.path()).mkdir(u"tmp"_s);
    const std::optional<QByteArray> tmp =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    const auto restoreTmp =
        qScopeGuard([&tmp] { tmp ? qputenv("TMPDIR", *tmp) : qunsetenv("TMPDIR"); });
    qputenv("TMPDIR", (home.path() + u"/tmp"_s).toUtf8());
    const QStringList files = filesUnder(home.path());

    // File-as order; "orders", a card without a name, and the mailing list are no rows.
    const QStringList personal = {
        u"Zo\u00eb \u00c5ngstr\u00f6m|Storgatan 5\r\n114 55  Stockholm\r\nSWEDEN"_s,
        u"Rosa Delgado|c/o Northwind Traders\r\nSuite 210\r\n4100 Harbor Boulevard\r\n"
        "Long Beach, CA  90802"_s,
        u"Priya Raman|Apt 4B, 17 Elm Road\r\nSpringfield, IL  62704"_s,
        u"J\u00fcrgen Wei\u00df|Musterstra\u00dfe 12\r\n10115  Berlin\r\nGERMANY"_s,
        u"Daniel Whitaker|1200 Market Street\r\nSan Francisco, CA  94103"_s};
    EXPECT_EQ(load(u"Personal Address Book"_s), QStringList());
    EXPECT_EQ(grid(), personal);
    EXPECT_EQ(view.status, u"5 Contacts from Personal Address Book"_s);
    EXPECT_EQ(load(u"Club Members"_s), QStringList());
    EXPECT_EQ(grid(), (QStringList{u"Hannah Kowalski|8 Birch Lane\r\nBurlington, VT  05401"_s,
                                   u"Tom\u00e1s Oliveira|Rua Augusta 100\r\n1100-053  Lisboa\r\n"
                                   "PORTUGAL"_s}));
    EXPECT_EQ(load(u"Team (CardDAV)"_s), QStringList());
    EXPECT_EQ(grid(),
              (QStringList{u"Liam O'Brien|14 Clontarf Road\r\nDublin\r\nD03 X2Y4\r\nIRELAND"_s,
                           u"Aiko Tanaka|2-11-3 Meguro\r\nMeguro-ku, Tokyo  153-0063\r\nJAPAN"_s}));
    // The book as Thunderbird left it running: two cards only in its log.
    other->answer = home.path() + u"/live/abook.sqlite"_s;
    EXPECT_EQ(load(u"Other file or folder\u2026"_s), QStringList());
    QStringList live = personal;
    live.insert(0, u"Olusegun Adeyemi|14 Quay Road\r\nBristol\r\nBS1 4DJ\r\nUNITED KINGDOM"_s);
    live.insert(3, u"Nguy\u1ec5n Th\u1ecb Mai|27 L\u00fd Th\u01b0\u1eddng Ki\u1ec7t\r\n"
                   "H\u00e0 N\u1ed9i, 100000\r\nVIETNAM"_s);
    EXPECT_EQ(grid(), live);
    EXPECT_EQ(view.status, u"7 Contacts from Personal Address Book"_s);
    // Chosen as any other file, a file that is no address book is unreadable.
    other->answer = notADatabase;
    EXPECT_EQ(
        load(u"Other file or folder\u2026"_s),
        QStringList{u"Error No: 75\r\nDescription: Path/File access error: "_s + notADatabase});

    EXPECT_EQ(filesUnder(home.path()), files);
}

} // namespace
} // namespace addrell
