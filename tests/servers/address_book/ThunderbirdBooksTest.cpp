#include "servers/address_book/ThunderbirdBooks.h"
#include "servers/address_book/AddressBook.h"

#include "BookFixtures.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

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

TEST(ThunderbirdBooks, ReadsOwnAndOldStyleCardsAndListsWhileTheFileIsLocked)
{
    testing::TempFiles home;
    const std::tuple<std::vector<testing::ThunderbirdCard>, QStringList, QStringList> books[] = {
        {{{{u"DisplayName"_s, u"Old Name"_s},
           {u"_vCard"_s,
            u"BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ines Duarte\r\nN:Duarte;Ines;;;\r\n"
            "ADR;TYPE=work:;;Rua Augusta 10;Lisboa;;1100-053;Portugal\r\nEND:VCARD"_s}}},
         {u"Choir"_s},
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
         {},
         {u"40|Ana Ruiz|12 Elm St\r\nPortland, OR  97201"_s,
          u"40|Jonas Weber|Hauptstr. 5\r\nHinterhaus\r\n10115  Berlin\r\nGermany"_s}},
    };
    for (std::size_t row = 0; row < std::size(books); ++row) {
        const QString path = home.path() + u"/abook-%1.sqlite"_s.arg(row);
        const auto& [cards, lists, expected] = books[row];
        testing::writeThunderbirdBook(path, cards, lists);
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

} // namespace
} // namespace addrell
