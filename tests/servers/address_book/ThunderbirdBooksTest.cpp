#include "servers/address_book/ThunderbirdBooks.h"
#include "servers/address_book/AddressBook.h"

#include "BookFixtures.h"
#include "ErrorNumber.h"
#include "TempFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;
using testing::ThunderbirdCard;

const QString kProfiles = u"/.thunderbird"_s;

// "profile/book|count" for every book listed.
QStringList listed(const AddressBookGroup& group, const QString& profile = {})
{
    QStringList rows;
    for (const AddressBook& book : group.books) {
        rows << u"%1/%2|%3"_s.arg(profile, book.name(), QString::number(book.count().value_or(-1)));
    }
    for (const AddressBookGroup& inner : group.groups) {
        rows << listed(inner, inner.title);
    }
    return rows;
}

// "class|full name|mailing address" for every item, in file-as order.
QStringList itemsOf(const AddressBook& book)
{
    const auto items = book.open(QLocale::UnitedStates)->Items();
    items->Sort(u"[FileAs]"_s, Variant(false));
    QStringList rows;
    items->ForEach([&rows](outlook::Item& item) {
        rows << (item.Class() == outlook::olContact
                     ? u"40|%1|%2"_s.arg(item.FullName(), item.MailingAddress())
                     : QString::number(item.Class()));
    });
    return rows;
}

TEST(ThunderbirdBooks, ListsTheReadableBooksOfEveryProfileByTheirNames)
{
    testing::TempFiles home;
    const QString main = testing::writeThunderbirdProfile(
        home.path() + kProfiles, u"x1.default-release"_s,
        R"(user_pref("ldap_2.servers.Clients.description", "Clients \"A\u00e9\"");
user_pref("ldap_2.servers.Clients.filename", "abook-1.sqlite");
user_pref("ldap_2.servers.Broken.description", "Broken");
user_pref("ldap_2.servers.Broken.filename", "abook-2.sqlite");
user_pref("ldap_2.servers.history.description", "chrome://messenger/locale/addressbook.properties");
)");
    testing::writeThunderbirdBook(main + u"/abook.sqlite"_s, {{}, {}}, {u"Choir"_s});
    testing::writeThunderbirdBook(main + u"/abook-1.sqlite"_s, {{}});
    home.write(u".thunderbird/x1.default-release/abook-2.sqlite"_s, "BEGIN:VCARD\r\n");
    testing::writeThunderbirdBook(main + u"/history.sqlite"_s, {});
    const QString flatpak = testing::writeThunderbirdProfile(
        home.path() + u"/.var/app/org.mozilla.Thunderbird/.thunderbird"_s, u"work"_s, {});
    testing::writeThunderbirdBook(flatpak + u"/abook.sqlite"_s, {{}});

    const std::optional<AddressBookGroup> found = ThunderbirdBooks::find(home.path());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->title, u"Thunderbird"_s);
    EXPECT_EQ(listed(*found), (QStringList{u"x1.default-release/Personal Address Book|3"_s,
                                           u"x1.default-release/Clients \"A\u00e9\"|1"_s,
                                           u"x1.default-release/Collected Addresses|0"_s,
                                           u"work/Personal Address Book|1"_s}));
}

TEST(ThunderbirdBooks, ReadsOwnAndOldStyleCardsAndListsWhileTheFileIsLocked)
{
    testing::TempFiles home;
    const QString folder = testing::writeThunderbirdProfile(home.path() + kProfiles, u"p"_s, {});
    const std::pair<std::vector<ThunderbirdCard>, QStringList> books[] = {
        {{{{u"DisplayName"_s, u"Old Name"_s},
           {u"_vCard"_s,
            u"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ines Duarte\r\nN:Duarte;Ines;;;\r\n"
            "ADR;TYPE=work:;;Rua Augusta 10;Lisboa;;1100-053;Portugal\r\nEND:VCARD"_s}}},
         {u"69"_s, u"40|Ines Duarte|Rua Augusta 10\r\n1100-053  Lisboa\r\nPortugal"_s}},
        {{{{u"DisplayName"_s, u"Jonas Weber"_s},
           {u"LastName"_s, u"Weber"_s},
           {u"Company"_s, u"Weber; Sohn"_s},
           {u"WorkAddress"_s, u"Hauptstr. 5"_s},
           {u"WorkAddress2"_s, u"Hinterhaus"_s},
           {u"WorkCity"_s, u"Berlin"_s},
           {u"WorkZipCode"_s, u"10115"_s},
           {u"WorkCountry"_s, u"Germany"_s}},
          {{u"FirstName"_s, u"Ana"_s},
           {u"LastName"_s, u"Ruiz"_s},
           {u"HomeAddress"_s, u"12 Elm St"_s},
           {u"HomeCity"_s, u"Portland"_s},
           {u"HomeState"_s, u"OR"_s},
           {u"HomeZipCode"_s, u"97201"_s}}},
         {u"40|Ana Ruiz|12 Elm St\r\nPortland, OR  97201"_s,
          u"40|Jonas Weber|Hauptstr. 5\r\nHinterhaus\r\n10115  Berlin\r\nGermany"_s}},
    };
    for (std::size_t row = 0; row < std::size(books); ++row) {
        const QString path = folder + u"/abook-%1.sqlite"_s.arg(row);
        const auto& [cards, expected] = books[row];
        testing::writeThunderbirdBook(
            path, cards, expected.contains(u"69"_s) ? QStringList{u"Choir"_s} : QStringList{});
        // Thunderbird in the middle of a write: a plain reader would get "database is locked".
        sqlite3* writer = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &writer), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; DELETE FROM properties", nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        EXPECT_EQ(itemsOf(ThunderbirdBooks::bookAt(path)), expected) << "book " << row;
        sqlite3_close(writer);
    }
}

TEST(ThunderbirdBooks, FileThatIsNoAddressBookIsUnreadableWhenChosen)
{
    testing::TempFiles files;
    const QString notSqlite =
        files.write(u"abook.sqlite"_s, "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n");
    const QString otherDatabase = files.path() + u"/places.sqlite"_s;
    sqlite3* database = nullptr;
    ASSERT_EQ(sqlite3_open(otherDatabase.toUtf8().constData(), &database), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(database, "CREATE TABLE moz_places (url TEXT)", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(database);
    for (const QString& path : {notSqlite, otherDatabase}) {
        const auto folder = AddressBook::fromPath(path).open(QLocale::UnitedStates);
        EXPECT_EQ(folder->DefaultItemType(), outlook::olContactItem);
        EXPECT_EQ(testing::errorNumber([&] { (void)folder->Items()->Count(); }),
                  RuntimeError::PathFileAccessError)
            << path.toStdString();
    }
}

} // namespace
} // namespace addrell
