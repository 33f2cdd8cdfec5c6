#include "servers/address_book/VCardSource.h"

#include "automation/AutomationError.h"

#include "QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kData = QStringLiteral(ADDRELL_TEST_DATA "/vcard/");

QStringList namesIn(const VCardSource& source)
{
    QStringList names;
    source.readCards([&names](const VCard& card) { names.append(card.value(u"FN")); });
    return names;
}

TEST(VCardSource, ListsContactsFolders)
{
    const VCardSource vdir(kData + u"vdir/"_s);
    EXPECT_EQ(vdir.defaultItemType(), VCardSource::kContactItemType);
    EXPECT_EQ(vdir.displayName(), u"Family & Friends"_s);
    EXPECT_EQ(namesIn(vdir),
              (QStringList{u"Yusuf Demir"_s, u"Xenia Petrova"_s, u"Zofia Kowalczyk"_s}));

    const VCardSource file(kData + u"evolution30.vcf"_s);
    EXPECT_EQ(file.defaultItemType(), VCardSource::kContactItemType);
    EXPECT_EQ(file.displayName(), u"evolution30"_s);
    EXPECT_EQ(namesIn(file).size(), 4);

    const VCardSource mail(kData + u"maildir"_s);
    EXPECT_EQ(mail.defaultItemType(), VCardSource::kMailItemType);
    EXPECT_EQ(mail.displayName(), u"maildir"_s);
    EXPECT_TRUE(namesIn(mail).isEmpty());
}

TEST(VCardSource, NamesAPlainDirectoryAfterItselfAndReportsAVanishedFile)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = root.filePath(u"Work Contacts"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile card(folder + u"/only.vcf"_s);
    ASSERT_TRUE(card.open(QIODevice::WriteOnly));
    card.write("BEGIN:VCARD\nFN:Ola Nordmann\nEND:VCARD\n");
    card.close();

    const VCardSource source(folder);
    EXPECT_EQ(source.displayName(), u"Work Contacts"_s);
    EXPECT_EQ(namesIn(source), QStringList{u"Ola Nordmann"_s});

    ASSERT_TRUE(card.remove());
    try {
        source.readCards([](const VCard&) {});
        ADD_FAILURE() << "no error for a file that is gone";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), RuntimeError::PathFileAccessError);
        EXPECT_TRUE(error.description().contains(u"only.vcf"_s));
    }
}

} // namespace
} // namespace addrell
