#include "servers/address_book/AddressBookApplication.h"

#include "automation/ServerFactories.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"

#include "FakeOutlook.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "ScriptedFolderChooser.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kData = QStringLiteral(ADDRELL_TEST_DATA "/vcard/");

// "Use Contact" and folder loading, driven against the real server over the fixture files.
class AddressBookEndToEnd : public ::testing::Test {
protected:
    AddressBookEndToEnd()
    {
        QGuiApplication::clipboard()->clear();
        factories.outlookApplication = [this] {
            return std::make_shared<AddressBookApplication>(chooser, QLocale::UnitedStates);
        };
    }
    ~AddressBookEndToEnd() override { QGuiApplication::clipboard()->clear(); }

    static void copyText(const QString& text)
    {
        auto* data = new QMimeData;
        data->setText(text);
        QGuiApplication::clipboard()->setMimeData(data);
    }
    [[nodiscard]] QStringList column(int col) const
    {
        QStringList texts;
        for (std::int32_t row = 1; row < view.table.Rows(); ++row) {
            texts << view.table.TextMatrix(row, col);
        }
        return texts;
    }

    std::shared_ptr<testing::ScriptedFolderChooser> chooser =
        std::make_shared<testing::ScriptedFolderChooser>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
};

TEST_F(AddressBookEndToEnd, EmptyClipboardLeadsToThePickerAndTheFolderLoads)
{
    chooser->setNextChoice(kData + u"maildir"_s);
    chooser->setNextChoice(kData + u"evolution30.vcf"_s);
    useContact.cmdPreview_Click();

    EXPECT_EQ(chooser->timesShown(), 2);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{u"Please select a Contacts folder"_s});
    // File-as order, not the order of the full names; the group is no row.
    EXPECT_EQ(column(1),
              (QStringList{u"Maarten van der Berg"_s, u"Colm Fairweather"_s, u"Aiko Nakamura"_s}));
    EXPECT_EQ(column(2).back(), u"400 Research Pkwy\r\nBuilding C\r\nAnn Arbor, MI  48105"_s);
    EXPECT_EQ(view.progressMax, 4.0F);
    EXPECT_EQ(view.status, u"3 Contacts from evolution30"_s);
    EXPECT_EQ(view.page, 1);
    EXPECT_FALSE(state.blnNoContacts);
    EXPECT_EQ(state.objOutlook, nullptr);

    // Cards without an address make no row, yet the folder counts as loaded.
    dialogs.clear();
    chooser->setNextChoice(kData + u"vdir"_s);
    useContact.cmdPreview_Click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(view.table.Rows(), 1);
    EXPECT_EQ(view.status, u"0 Contacts from Family & Friends"_s);
}

TEST_F(AddressBookEndToEnd, CopiedCardBecomesTheRecipient)
{
    copyText(u"BEGIN:VCARD\nVERSION:3.0\nFN:Harbour Lights Bakery\nORG:Harbour Lights Bakery\n"
             "ADR;TYPE=WORK:;;12 Pier Road;Portland;ME;04101;\nEND:VCARD\n"_s);
    view.address = u"typed before"_s;
    useContact.cmdPreview_Click();

    EXPECT_EQ(view.address, u"Harbour Lights Bakery\r\n12 Pier Road\r\nPortland, ME  04101"_s);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(chooser->timesShown(), 0);
}

TEST_F(AddressBookEndToEnd, CopiedTextOrBrokenCardsDoNotBecomeTheRecipient)
{
    copyText(u"Meeting at noon"_s);
    useContact.cmdPreview_Click(); // a note is selected: the picker, cancelled
    EXPECT_EQ(chooser->timesShown(), 1);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(view.address.isEmpty());

    copyText(u"BEGIN:VCARD\n"_s); // vCard data, but no card in it
    useContact.cmdPreview_Click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{u"Error No: -2147352567\r\nDescription: Array index out of bounds."_s});
    EXPECT_EQ(chooser->timesShown(), 1);
    EXPECT_TRUE(view.address.isEmpty());
}

} // namespace
} // namespace addrell
