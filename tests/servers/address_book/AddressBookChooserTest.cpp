#include "servers/address_book/AddressBookChooserDialog.h"
#include "servers/address_book/FolderChooser.h"
#include "servers/address_book/ThunderbirdBooks.h"
#include "servers/address_book/VCardFolderDialog.h"
#include "servers/address_book/VCardFolders.h"

#include "BookFixtures.h"
#include "ErrorNumber.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

// A picker of other files answered in advance, one answer a call.
class ScriptedFolderChooser : public FolderChooser {
public:
    std::optional<QString> choose() override { return answers.takeFirst(); }
    QList<std::optional<QString>> answers;
};

TEST(AddressBookChooser, ListsThunderbirdBooksAndFoldersAndTakesAnyOtherFile)
{
    testing::TempFiles home;
    const QString profile = testing::writeThunderbirdProfile(home, u".thunderbird"_s, u"x1"_s, R"(
user_pref("ldap_2.servers.Clients.description", "Clients \"A\u00e9\"");
user_pref("ldap_2.servers.Clients.filename", "abook-1.sqlite");
user_pref("ldap_2.servers.Old.description", "Old");
user_pref("ldap_2.servers.Old.filename", "abook-2.sqlite");
user_pref("ldap_2.servers.history.description", "chrome://messenger/locale/ab.properties");)");
    testing::writeThunderbirdBook(profile + u"/abook.sqlite"_s, {{}, {}}, {u"Choir"_s});
    testing::writeThunderbirdBook(profile + u"/abook-1.sqlite"_s, {{}});
    const QString notSqlite = home.write(u".thunderbird/x1/abook-2.sqlite"_s, "BEGIN:VCARD\r\n");
    testing::writeThunderbirdBook(profile + u"/history.sqlite"_s, {});
    const QString flatpak = testing::writeThunderbirdProfile(
        home, u".var/app/org.mozilla.Thunderbird/.thunderbird"_s, u"work"_s);
    testing::writeThunderbirdBook(flatpak + u"/abook.sqlite"_s, {{}});
    home.write(u".local/share/contacts/work/displayname"_s, "Work\n");
    home.write(u".local/share/contacts/work/a.vcf"_s, "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n");
    home.write(u".local/share/contacts/notes/readme.txt"_s, "");
    home.write(u".contacts/b.VCF"_s, "BEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n");

    ScriptedFolderChooser other;
    other.answers = {std::nullopt, notSqlite};
    AddressBookChooserDialog dialog(
        nullptr,
        {*ThunderbirdBooks::find(home.path()),
         *VCardFolders::find(home.path(), home.path() + u"/.local/share"_s)},
        other);
    auto* tree = dialog.findChild<QTreeWidget*>();
    EXPECT_EQ(testing::chooserRows(*tree),
              (QStringList{u"Thunderbird|"_s, u"  x1|"_s, u"    Personal Address Book|3"_s,
                           u"    Clients \"A\u00e9\"|1"_s, u"    Collected Addresses|0"_s,
                           u"  work|"_s, u"    Personal Address Book|1"_s, u"Folders|"_s,
                           u"  Work|"_s, u"  .contacts|"_s, u"Other file or folder\u2026|"_s}));

    // A cancelled picker leaves the chooser open; a book that is not one fails as it loads.
    dialog.show();
    QTest::keyClick(tree, Qt::Key_End);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_FALSE(dialog.chosen());
    QTest::keyClick(tree, Qt::Key_Return);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const auto folder = dialog.chosen()->open(QLocale::UnitedStates);
    EXPECT_EQ(folder->Name(), u"Old"_s);
    EXPECT_EQ(testing::errorNumber([&] { (void)folder->Items()->Count(); }),
              RuntimeError::PathFileAccessError);
}

TEST(VCardFolderDialog, ShowsFoldersButNoFilesAndTakesOneWithCards)
{
    testing::TempFiles temp;
    for (const QString& file :
         {u"cards/a.vcf"_s, u"cards/sub/x.txt"_s, u".hidden/a.vcf"_s, u"plain/readme.txt"_s}) {
        temp.write(file, {});
    }
    VCardFolderDialog dialog(nullptr, temp.path(), temp.path());
    auto* tree = dialog.findChild<QTreeView*>();
    const QAbstractItemModelTester tester(tree->model(),
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);
    dialog.show();
    QTest::keyClick(tree, Qt::Key_Right); // opens the start folder
    QTest::keyClick(tree, Qt::Key_Down);
    const QModelIndex start = tree->currentIndex().parent();
    QStringList shown;
    for (int row = 0; row < tree->model()->rowCount(start); ++row) {
        shown << tree->model()->index(row, 0, start).data().toString();
    }
    EXPECT_EQ(shown, (QStringList{u"cards"_s, u"plain"_s}));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPath(), temp.path() + u"/cards"_s);
}

} // namespace
} // namespace addrell
