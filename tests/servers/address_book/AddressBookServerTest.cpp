#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/books/AddressBookError.h"
#include "servers/address_book/chooser/FileDialogFolderChooser.h"
#include "servers/address_book/chooser/VCardFolderDialog.h"

#include "automation/AutomationError.h"
#include "automation/ServerFactories.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"

#include "FakeOutlook.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using namespace Qt::Literals::StringLiterals;
using Choice = VCardFolderDialog::Choice;
using Fill = std::function<void(QMimeData&)>;

const QString kData = QStringLiteral(ADDRELL_TEST_DATA "/vcard/");
const QByteArray kCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Aiko Nakamura\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nKIND:group\r\nFN:Choir\r\nEND:VCARD\r\n";

// A folder picker answered in advance: each call takes the next path; none left is a cancel.
class ScriptedFolderChooser : public FolderChooser {
public:
    std::optional<QString> choose() override
    {
        ++timesShown;
        return choices.isEmpty() ? std::nullopt : std::optional(choices.takeFirst());
    }

    QStringList choices;
    int timesShown = 0;
};

// The server over the fixture files: its clipboard selection, and the contact handlers run
// against it.
class AddressBookServer : public ::testing::Test {
protected:
    AddressBookServer()
    {
        factories.outlookApplication = [this] {
            return std::make_shared<AddressBookApplication>(chooser, QLocale::UnitedStates);
        };
    }
    ~AddressBookServer() override { QGuiApplication::clipboard()->clear(); }

    static void copy(const Fill& fill)
    {
        auto* data = new QMimeData;
        fill(*data);
        QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
    }
    // The selection after copying: full names, "<class>" for items that are no contact.
    QStringList selectionAfter(const Fill& fill)
    {
        copy(fill);
        const auto explorer = factories.outlookApplication()->ActiveExplorer();
        QStringList items;
        for (std::int32_t index = 1; explorer; ++index) {
            std::shared_ptr<outlook::Item> item;
            try {
                item = explorer->Selection()->Item(Variant(index));
            } catch (const AutomationError& error) { // past the last item
                EXPECT_EQ(error.number(), AddressBookError::kServerException);
                return items;
            }
            items << (item->Class() == outlook::olContact ? item->FullName()
                                                          : u"<%1>"_s.arg(item->Class()));
        }
        return {u"no window"_s};
    }

    std::shared_ptr<ScriptedFolderChooser> chooser = std::make_shared<ScriptedFolderChooser>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
};

TEST_F(AddressBookServer, SelectsTheCardsOfVCardDataAndNothingElse)
{
    testing::TempFiles temp;
    const QString notes = temp.write(u"notes.txt"_s, kCards);
    const QStringList cards = {u"Aiko Nakamura"_s, u"<69>"_s};
    const QStringList note = {u"<44>"_s};
    const std::pair<Fill, QStringList> rows[] = {
        {[](QMimeData& data) { data.setData(u"text/vcard"_s, kCards); }, cards},
        {[](QMimeData& data) { data.setData(u"text/x-vcard"_s, kCards); }, cards},
        {[](QMimeData& data) { data.setData(u"text/directory"_s, kCards); }, cards},
        {[](QMimeData& data) { data.setData(u"text/vcard;charset=utf-8"_s, kCards); }, cards},
        {[](QMimeData& data) {
             data.setText(u"\uFEFF \r\n"_s + QString::fromUtf8(kCards).toLower());
         },
         {u"aiko nakamura"_s, u"<69>"_s}},
        {[&](QMimeData& data) {
             data.setUrls({QUrl::fromLocalFile(notes), QUrl(u"https://example.org/x.vcf"_s),
                           QUrl::fromLocalFile(kData + u"vcard40.vcf"_s),
                           QUrl::fromLocalFile(kData + u"vdir/b-2.vcf"_s)});
         },
         {u"Funmilayo A. Oyelaran-Whitfield"_s, u"<69>"_s, u"Mme Élodie Tremblay"_s,
          u"Rubén Castellanos"_s, u"Zofia Kowalczyk"_s}},
        {[](QMimeData& data) { data.setText(u"Dear Aiko, BEGIN:VCARD"_s); }, note},
        {[&](QMimeData& data) { data.setUrls({QUrl::fromLocalFile(notes)}); }, note},
        {[](QMimeData&) {}, {u"no window"_s}},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        EXPECT_EQ(selectionAfter(rows[row].first), rows[row].second) << "row " << row;
    }
}

TEST_F(AddressBookServer, EmptyClipboardLeadsToThePickerAndTheFolderLoads)
{
    chooser->choices = {kData + u"maildir"_s, kData + u"evolution30.vcf"_s};
    useContact.cmdPreview_Click();

    EXPECT_EQ(chooser->timesShown, 2);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{u"Please select a Contacts folder"_s});
    // File-as order, not the order of the full names; the group is no row.
    QStringList names;
    for (std::int32_t row = 1; row < view.table.Rows(); ++row) {
        names << view.table.TextMatrix(row, 1);
    }
    EXPECT_EQ(names,
              (QStringList{u"Maarten van der Berg"_s, u"Colm Fairweather"_s, u"Aiko Nakamura"_s}));
    EXPECT_EQ(view.table.TextMatrix(3, 2),
              u"400 Research Pkwy\r\nBuilding C\r\nAnn Arbor, MI  48105"_s);
    EXPECT_EQ(view.status, u"3 Contacts from evolution30"_s);
}

TEST_F(AddressBookServer, CopiedCardBecomesTheRecipient)
{
    copy([](QMimeData& data) {
        data.setText(u"BEGIN:VCARD\nFN:Harbour Lights Bakery\nORG:Harbour Lights Bakery\n"
                     "ADR;TYPE=WORK:;;12 Pier Road;Portland;ME;04101;\nEND:VCARD\n"_s);
    });
    useContact.cmdPreview_Click();
    EXPECT_EQ(view.address, u"Harbour Lights Bakery\r\n12 Pier Road\r\nPortland, ME  04101"_s);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(chooser->timesShown, 0);
}

TEST(VCardFolderDialog, TakesCardFoldersAndFilesAndEntersOtherDirectories)
{
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"vdir"_s), Choice::Take);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"outlook21.vcf"_s), Choice::Take);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"maildir/readme.txt"_s), Choice::Take);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"maildir"_s), Choice::Enter);
    EXPECT_EQ(VCardFolderDialog::choiceFor(kData + u"missing.vcf"_s), Choice::Ignore);
}

TEST(FileDialogFolderChooser, StartsWhereAddressBooksLive)
{
    testing::TempFiles temp;
    const QString home = temp.path() + u"/home"_s;
    const QString data = home + u"/.local/share"_s;
    for (const QString& made : {data, home + u"/.contacts"_s, data + u"/contacts"_s}) {
        ASSERT_TRUE(QDir().mkpath(made));
        EXPECT_EQ(FileDialogFolderChooser::startFolder(data, home), made == data ? home : made);
    }
}

} // namespace
} // namespace addrell
