#include "servers/address_book/VCardFolderDialog.h"
#include "servers/address_book/FileDialogFolderChooser.h"

#include "QtPrinters.h"
#include "TempFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;
using Choice = VCardFolderDialog::Choice;

const QString kData = QStringLiteral(ADDRELL_TEST_DATA "/vcard/");

TEST(VCardFolderDialog, TakesCardFoldersAndFilesAndEntersOtherDirectories)
{
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"vdir"_s), Choice::Take);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"outlook21.vcf"_s), Choice::Take);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"maildir/readme.txt"_s), Choice::Take);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"maildir"_s), Choice::Enter);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"missing.vcf"_s), Choice::Ignore);
}

TEST(VCardFolderDialog, AcceptingTakesACardFolderButEntersAPlainDirectory)
{
    VCardFolderDialog dialog(nullptr, kData);
    dialog.selectFile(kData + u"vdir"_s);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPath(), QDir::cleanPath(kData + u"vdir"_s));

    VCardFolderDialog plain(nullptr, kData);
    plain.selectFile(kData + u"maildir"_s);
    plain.accept();
    EXPECT_EQ(plain.result(), QDialog::Rejected);
    EXPECT_TRUE(plain.chosenPath().isEmpty());
    EXPECT_EQ(plain.directory().absolutePath(), QDir::cleanPath(kData + u"maildir"_s));
}

TEST(FileDialogFolderChooser, StartsWhereAddressBooksLive)
{
    testing::TempFiles temp;
    const QString home = temp.path() + u"/home"_s;
    const QString data = home + u"/.local/share"_s;
    ASSERT_TRUE(QDir().mkpath(data));
    EXPECT_EQ(FileDialogFolderChooser::startFolder(data, home), home);

    ASSERT_TRUE(QDir().mkpath(home + u"/.contacts"_s));
    EXPECT_EQ(FileDialogFolderChooser::startFolder(data, home), home + u"/.contacts"_s);

    ASSERT_TRUE(QDir().mkpath(data + u"/contacts"_s));
    EXPECT_EQ(FileDialogFolderChooser::startFolder(data, home), data + u"/contacts"_s);
}

} // namespace
} // namespace addrell
