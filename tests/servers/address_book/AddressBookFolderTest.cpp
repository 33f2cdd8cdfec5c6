#include "servers/address_book/AddressBookFolder.h"

#include "automation/AutomationError.h"

#include "QtPrinters.h"
#include "TempFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kData = QStringLiteral(ADDRELL_TEST_DATA "/vcard/");

std::shared_ptr<AddressBookFolder> folderAt(const QString& path)
{
    return std::make_shared<AddressBookFolder>(path, QLocale::UnitedStates);
}

// The full names in enumeration order, "<class>" for an item that is no contact.
QStringList namesOf(outlook::Items& items)
{
    QStringList names;
    items.ForEach([&names](outlook::Item& item) {
        names << (item.Class() == outlook::olContact ? item.FullName()
                                                     : u"<%1>"_s.arg(item.Class()));
    });
    return names;
}

QByteArray card(const char* fileAs, const char* fullName)
{
    return "BEGIN:VCARD\nX-EVOLUTION-FILE-AS:" + QByteArray(fileAs) + "\nFN:" + fullName +
           "\nEND:VCARD\n";
}

// "Type Name (Count): items" in file order.
TEST(AddressBookFolder, KindNameAndItemsOfEachSortOfFolder)
{
    const std::pair<QString, QString> rows[] = {
        {u"vdir"_s, u"2 Family & Friends (3): Yusuf Demir, Xenia Petrova, Zofia Kowalczyk"_s},
        {u"evolution30.vcf"_s,
         u"2 evolution30 (4): Aiko Nakamura, Colm Fairweather, <69>, Maarten van der Berg"_s},
        {u"maildir/"_s, u"0 maildir (0): "_s},
        {u"maildir/readme.txt"_s, u"0 readme.txt (0): "_s},
    };
    for (const auto& [path, expected] : rows) {
        const auto folder = folderAt(kData + path);
        const auto items = folder->Items();
        EXPECT_EQ(u"%1 %2 (%3): %4"_s.arg(folder->DefaultItemType())
                      .arg(folder->Name())
                      .arg(items->Count())
                      .arg(namesOf(*items).join(u", ")),
                  expected);
    }
}

// FileAs in the user's language, without regard to case, equal keys in file order.
TEST(AddressBookFolder, SortsByFileAsInTheUsersLanguage)
{
    QByteArray book = card("Beta", "B1") + card("Øvergård", "O") + card("Alpha", "A1") +
                      card("Éric", "E") + card("ALPHA", "A2") + card("ångström", "Å") +
                      card("beta", "B2");
    QString ties; // enough equal keys that an unstable sort would move them
    for (int i = 1; i <= 24; ++i) {
        book += card(i % 2 == 0 ? "zeller" : "Zeller", QByteArray::number(i).constData());
        ties += u" %1"_s.arg(i);
    }
    testing::TempFiles temp;
    const auto items = folderAt(temp.write(u"book.vcf"_s, book))->Items();
    const std::pair<QString, QString> rows[] = {
        {u"en_US"_s, u"A1 A2 Å B1 B2 E O"_s + ties},
        {u"sv_SE"_s, u"A1 A2 B1 B2 E"_s + ties + u" Å O"_s},
    };
    const QLocale saved;
    for (const auto& [locale, expected] : rows) {
        QLocale::setDefault(QLocale(locale));
        items->Sort(u"[FileAs]"_s, Variant(false));
        EXPECT_EQ(namesOf(*items).join(u' '), expected) << locale.toStdString();
    }
    QLocale::setDefault(saved);
    // The only sort the contacts handlers ask for is ascending by FileAs.
    EXPECT_THROW(items->Sort(u"[FullName]"_s, Variant(false)), AutomationError);
    EXPECT_THROW(items->Sort(u"[FileAs]"_s, Variant(true)), AutomationError);
}

// Files are read once, on first use, small and large alike. One that cannot be read then is
// skipped like a broken card; a folder none of whose files can be read fails, naming one.
TEST(AddressBookFolder, ReadsOnFirstUseAndSkipsFilesThatCannotBeRead)
{
    testing::TempFiles temp;
    temp.write(u"a.vcf"_s, card("A", "Ann"));
    temp.write(u"b.vcf"_s, card("B", "Bob") + "BEGIN:VCARD\r\nFN:Big\r\nPHOTO;ENCODING=b:" +
                               QByteArray(8 << 20, 'A') + "\r\nEND:VCARD\r\n");
    ASSERT_TRUE(QDir(temp.path()).mkdir(u"c.vcf"_s));
    const auto partly = folderAt(temp.path());
    const auto nothing = folderAt(temp.path());
    ASSERT_TRUE(QFile::remove(temp.path() + u"/a.vcf"_s));
    EXPECT_EQ(namesOf(*partly->Items()), (QStringList{u"Bob"_s, u"Big"_s}));
    ASSERT_TRUE(QFile::remove(temp.path() + u"/b.vcf"_s));
    EXPECT_EQ(namesOf(*partly->Items()), (QStringList{u"Bob"_s, u"Big"_s}));
    try {
        (void)nothing->Items()->Count();
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), RuntimeError::PathFileAccessError);
        EXPECT_TRUE(error.description().endsWith(u"a.vcf"_s));
    }
}

} // namespace
} // namespace addrell
