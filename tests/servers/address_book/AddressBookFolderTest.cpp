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
using testing::lines;

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
    return lines({"BEGIN:VCARD", "VERSION:3.0",
                  (QByteArray("X-EVOLUTION-FILE-AS:") + fileAs).data(),
                  (QByteArray("FN:") + fullName).data(), "END:VCARD"});
}

TEST(AddressBookFolder, KindAndNameOfEachSortOfFolder)
{
    struct Row {
        QString path;
        std::int32_t itemType;
        QString name;
        std::int32_t count;
    };
    testing::TempFiles temp;
    ASSERT_TRUE(QDir(temp.path()).mkdir(u"Empty Book"_s));
    const Row rows[] = {
        {kData + u"vdir"_s, outlook::olContactItem, u"Family & Friends"_s, 3},
        {kData + u"vcard40.vcf"_s, outlook::olContactItem, u"vcard40"_s, 4},
        {kData + u"maildir/"_s, outlook::olMailItem, u"maildir"_s, 0},
        {temp.path() + u"/Empty Book"_s, outlook::olMailItem, u"Empty Book"_s, 0},
        {kData + u"maildir/readme.txt"_s, outlook::olMailItem, u"readme.txt"_s, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        const auto folder = folderAt(row.path);
        EXPECT_EQ(folder->DefaultItemType(), row.itemType);
        EXPECT_EQ(folder->Name(), row.name);
        EXPECT_EQ(folder->Items()->Count(), row.count);
    }
}

TEST(AddressBookFolder, EnumeratesInFileOrderUntilSortedByFileAs)
{
    const auto folder = folderAt(kData + u"evolution30.vcf"_s);
    const auto items = folder->Items();
    EXPECT_EQ(namesOf(*items), (QStringList{u"Aiko Nakamura"_s, u"Colm Fairweather"_s, u"<69>"_s,
                                            u"Maarten van der Berg"_s}));

    items->Sort(u"[FileAs]"_s, Variant(false));
    EXPECT_EQ(items->Count(), 4);
    EXPECT_EQ(namesOf(*items), (QStringList{u"Maarten van der Berg"_s, u"<69>"_s,
                                            u"Colm Fairweather"_s, u"Aiko Nakamura"_s}));
    // Each collection keeps an order of its own, and its parent is the folder it came from.
    EXPECT_EQ(namesOf(*folder->Items()).front(), u"Aiko Nakamura"_s);
    EXPECT_EQ(items->Parent(), folder);
    EXPECT_EQ(items->Parent()->Name(), u"evolution30"_s);
}

TEST(AddressBookFolder, SortIgnoresCaseKeepsTiesInFileOrderAndCanDescend)
{
    testing::TempFiles temp;
    const QString path = temp.write(u"book.vcf"_s, card("beta", "B1") + card("Alpha", "A1") +
                                                       card("gamma", "G1") + card("ALPHA", "A2") +
                                                       card("Beta", "B2") + card("alpha", "A3"));
    const auto items = folderAt(path)->Items();

    items->Sort(u"[FileAs]"_s, Variant(false));
    EXPECT_EQ(namesOf(*items), (QStringList{u"A1"_s, u"A2"_s, u"A3"_s, u"B1"_s, u"B2"_s, u"G1"_s}));
    items->Sort(u"[fileas]"_s, Variant(true));
    EXPECT_EQ(namesOf(*items), (QStringList{u"G1"_s, u"B1"_s, u"B2"_s, u"A1"_s, u"A2"_s, u"A3"_s}));
    items->Sort(u"[FullName]"_s, Variant::missing());
    EXPECT_EQ(namesOf(*items), (QStringList{u"A1"_s, u"A2"_s, u"A3"_s, u"B1"_s, u"B2"_s, u"G1"_s}));

    try {
        items->Sort(u"[LastName]"_s, Variant(false));
        ADD_FAILURE() << "no error for an unknown sort property";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), RuntimeError::InvalidProcedureCall);
        EXPECT_EQ(error.source(), u"Address Book"_s);
        EXPECT_TRUE(error.description().contains(u"[LastName]"_s));
    }
}

TEST(AddressBookFolder, ReadsTheFilesOnceOnFirstUse)
{
    testing::TempFiles temp;
    const QString path = temp.write(u"one.vcf"_s, card("Solo", "Sam Solo"));
    const auto folder = folderAt(path);
    const auto items = folder->Items();
    ASSERT_EQ(items->Count(), 1);

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(folder->Items()->Count(), 1);
    EXPECT_EQ(namesOf(*items), QStringList{u"Sam Solo"_s});

    // A folder picked before its file vanished fails on first use, naming the file.
    temp.write(u"two.vcf"_s, card("Duo", "Dee Duo"));
    const auto gone = folderAt(temp.path() + u"/two.vcf"_s);
    ASSERT_TRUE(QFile::remove(temp.path() + u"/two.vcf"_s));
    try {
        (void)gone->Items()->Count();
        ADD_FAILURE() << "no error for a vanished file";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), RuntimeError::PathFileAccessError);
        EXPECT_TRUE(error.description().contains(u"two.vcf"_s));
    }
}

TEST(AddressBookFolder, BrokenAndHostileFilesGiveTheCardsThatCanBeRead)
{
    EXPECT_EQ(namesOf(*folderAt(kData + u"broken.vcf"_s)->Items()),
              (QStringList{u"Ingrid Solberg"_s, u"Tariq Haddad"_s}));

    testing::TempFiles temp;
    QByteArray garbage(64 * 1024, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919) % 256);
    }
    temp.write(u"a-garbage.vcf"_s, garbage + "\r\n" + card("After", "After Garbage"));
    temp.write(u"b-photo.vcf"_s, "BEGIN:VCARD\r\nFN:Big Photo\r\nPHOTO;ENCODING=b:" +
                                     QByteArray(8 << 20, 'A') + "\r\nEND:VCARD\r\n");
    temp.write(u"c-endless-line.vcf"_s, "BEGIN:VCARD\r\nNOTE:" + QByteArray(3 << 20, 'x'));
    temp.write(u"d-unclosed.vcf"_s,
               QByteArray("BEGIN:VCARD\nFN:Lost\n").repeated(20000) + card("Last", "Last Card"));
    ASSERT_TRUE(QDir(temp.path()).mkdir(u"e-directory.vcf"_s));

    EXPECT_EQ(namesOf(*folderAt(temp.path())->Items()),
              (QStringList{u"After Garbage"_s, u"Big Photo"_s, u"Last Card"_s}));
}

} // namespace
} // namespace addrell
