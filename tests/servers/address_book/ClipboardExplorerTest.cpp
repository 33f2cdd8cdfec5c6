#include "servers/address_book/AddressBookApplication.h"

#include "automation/AutomationError.h"

#include "QtPrinters.h"
#include "ScriptedFolderChooser.h"
#include "TempFiles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kData = QStringLiteral(ADDRELL_TEST_DATA "/vcard/");
const QByteArray kAiko = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Nakamura;Aiko;;;\r\nFN:Aiko Nakamura\r\n"
                         "ORG:Kestrel\r\nADR;TYPE=WORK:;;400 Research Pkwy;Ann Arbor;MI;48105;\r\n"
                         "END:VCARD\r\n";
const QByteArray kGroup = "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Choir\r\nEND:VCARD\r\n";

void expectError(const std::function<void()>& call, std::int32_t number, const QString& source)
{
    try {
        call();
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.source(), source);
    }
}

class ClipboardExplorer : public ::testing::Test {
protected:
    ~ClipboardExplorer() override { QGuiApplication::clipboard()->clear(); }

    static void copy(const std::function<void(QMimeData&)>& fill)
    {
        auto* data = new QMimeData;
        fill(*data);
        QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
    }
    [[nodiscard]] std::shared_ptr<outlook::Item> selected(std::int16_t index)
    {
        const auto explorer = application.ActiveExplorer();
        EXPECT_NE(explorer, nullptr);
        return explorer ? explorer->Selection()->Item(Variant(index)) : nullptr;
    }

    AddressBookApplication application{std::make_shared<testing::ScriptedFolderChooser>(),
                                       QLocale::UnitedStates};
};

TEST_F(ClipboardExplorer, VCardDataUnderEachMimeTypeSelectsItsCards)
{
    for (const QString& format :
         {u"text/vcard"_s, u"text/x-vcard"_s, u"text/directory"_s, u"text/vcard;charset=utf-8"_s}) {
        SCOPED_TRACE(format.toStdString());
        copy([&](QMimeData& data) { data.setData(format, kAiko + kGroup); });
        const auto explorer = application.ActiveExplorer();
        ASSERT_NE(explorer, nullptr);
        const auto selection = explorer->Selection();
        const auto first = selection->Item(Variant(std::int16_t{1}));
        EXPECT_EQ(first->Class(), outlook::olContact);
        EXPECT_EQ(first->FullName(), u"Aiko Nakamura"_s);
        EXPECT_EQ(first->CompanyName(), u"Kestrel"_s);
        EXPECT_EQ(first->MailingAddress(), u"400 Research Pkwy\r\nAnn Arbor, MI  48105"_s);
        const auto group = selection->Item(Variant(std::int32_t{2}));
        EXPECT_EQ(group->Class(), outlook::olDistributionList);
        expectError([&] { (void)group->FullName(); }, RuntimeError::MemberNotSupported,
                    u"Addrell"_s);
        for (const std::int32_t outside : {0, 3, -1}) {
            try {
                (void)selection->Item(Variant(outside));
                ADD_FAILURE() << "no error for index " << outside;
            } catch (const AutomationError& error) {
                EXPECT_EQ(error.number(), -2147352567);
                EXPECT_EQ(error.description(), u"Array index out of bounds."_s);
                EXPECT_EQ(error.source(), u"Address Book"_s);
            }
        }
    }
}

TEST_F(ClipboardExplorer, PlainTextThatIsACardAndCopiedFiles)
{
    copy([](QMimeData& data) {
        data.setText(u"\uFEFF \r\n"_s + QString::fromUtf8(kAiko).toLower());
    });
    EXPECT_EQ(selected(1)->Class(), outlook::olContact);

    testing::TempFiles temp;
    const QString notes = temp.write(u"notes.txt"_s, kAiko);
    copy([&](QMimeData& data) {
        data.setUrls({QUrl::fromLocalFile(notes), QUrl(u"https://example.org/x.vcf"_s),
                      QUrl::fromLocalFile(kData + u"vcard40.vcf"_s),
                      QUrl::fromLocalFile(kData + u"vdir/b-2.vcf"_s)});
    });
    EXPECT_EQ(selected(1)->FullName(), u"Funmilayo A. Oyelaran-Whitfield"_s);
    EXPECT_EQ(selected(2)->Class(), outlook::olDistributionList);
    EXPECT_EQ(selected(5)->FullName(), u"Zofia Kowalczyk"_s);
}

TEST_F(ClipboardExplorer, AnythingElseIsANoteAndNothingIsNoWindow)
{
    testing::TempFiles temp;
    const QString notes = temp.write(u"notes.txt"_s, kAiko);
    const std::function<void(QMimeData&)> others[] = {
        [](QMimeData& data) { data.setText(u"Dear Aiko, BEGIN:VCARD"_s); },
        [&](QMimeData& data) { data.setUrls({QUrl::fromLocalFile(notes)}); },
        [](QMimeData& data) { data.setHtml(u"<b>BEGIN:VCARD</b>"_s); },
    };
    for (const auto& fill : others) {
        copy(fill);
        const auto item = selected(1);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Class(), outlook::olNote);
        const QString addrell = u"Addrell"_s;
        expectError([&] { (void)item->FullName(); }, RuntimeError::MemberNotSupported, addrell);
        expectError([&] { (void)item->CompanyName(); }, RuntimeError::MemberNotSupported, addrell);
        expectError([&] { (void)item->MailingAddress(); }, RuntimeError::MemberNotSupported,
                    addrell);
    }

    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(application.ActiveExplorer(), nullptr);
}

TEST(AddressBookApplication, OffersOnlyTheMapiNamespace)
{
    AddressBookApplication application(std::make_shared<testing::ScriptedFolderChooser>());
    const auto mapi = application.GetNamespace(u"MAPI"_s);
    ASSERT_NE(mapi, nullptr);
    EXPECT_EQ(application.GetNamespace(u"mapi"_s), mapi);
    expectError([&] { (void)application.GetNamespace(u"LDAP"_s); },
                RuntimeError::InvalidProcedureCall, u"Address Book"_s);
}

} // namespace
} // namespace addrell
