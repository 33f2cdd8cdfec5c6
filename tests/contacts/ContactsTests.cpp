#include "FakeOutlook.h"
#include "ScriptedDialogs.h"
#include "automation/ServerFactories.h"
#include "contacts/ContactBrowser.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace addrell {
namespace {

using testing::FakeContact;
using Messages = std::vector<MessageBoxRequest>;

const FakeContact kNote{outlook::olNote, "", "Note", "", "x"};

FakeContact contact(const QString& fullName, const QString& address, const QString& fileAs = {})
{
    return {outlook::olContact, fileAs, fullName, {}, address};
}

QString rowText(int row)
{
    return QStringLiteral("Name %1\r\nStreet %1").arg(row);
}

class ContactsTest : public ::testing::Test {
protected:
    // Presses "Use Contact" with no window in the contacts program, so the picker comes up.
    void loadFolder(std::vector<FakeContact> contents, const char* name = "Folder",
                    std::int32_t itemType = outlook::olContactItem)
    {
        world->picks.push_back(
            std::make_shared<testing::FakeFolder>(world, name, itemType, std::move(contents)));
        world->selection.clear();
        useContact.cmdPreview_Click();
    }
    // Rows "Name i" with the address "Street i".
    void loadRows(int count)
    {
        std::vector<FakeContact> contents;
        for (int i = 1; i <= count; ++i) {
            contents.push_back(
                contact(QStringLiteral("Name %1").arg(i), QStringLiteral("Street %1").arg(i)));
        }
        loadFolder(contents);
    }
    // Runs a browsing handler; the address box must then show that row, stored as current and
    // selected alone in the grid.
    void browse(void (ContactBrowser::*handler)(), int row)
    {
        (browser.*handler)();
        EXPECT_EQ(view.address, rowText(row));
        EXPECT_EQ(state.varCurRow, Variant(std::int32_t{row}));
        EXPECT_EQ(view.table.selectedRow, row);
    }

    std::shared_ptr<testing::OutlookWorld> world = std::make_shared<testing::OutlookWorld>();
    ServerFactories factories{{}, {}, [this] { // no Word, only Outlook
                                  return std::make_shared<testing::FakeOutlookApplication>(world);
                              }};
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
    ContactBrowser browser{state, view};
};

TEST_F(ContactsTest, FillGridListsContactsWithNameAndAddressInFileAsOrder)
{
    // Sorted by FileAs; a note, a contact without address and one without name make no row.
    loadFolder({contact("Al", "1\r\nA", "Zed"), contact("Zoe", "2", "adams"), kNote,
                contact("Ida", "", "Moe"), contact("Cy", "3", "Kay"), contact("", "4", "B")},
               "Business");
    EXPECT_EQ(view.table.cells,
              (std::vector<QStringList>{
                  {"", "", ""}, {"", "Zoe", "2"}, {"", "Cy", "3"}, {"", "Al", "1\r\nA"}}));
    EXPECT_EQ(view.progressMax, 6.0F);
    EXPECT_EQ(view.progressValues, (QList<float>{0, 1, 2}));
    EXPECT_FALSE(view.progressVisible);
    EXPECT_EQ(view.status, QStringLiteral("3 Contacts from Business"));
    EXPECT_TRUE(view.nextVisible && view.previousVisible);
    EXPECT_EQ(view.page, 1);
    EXPECT_FALSE(state.blnNoContacts);
    EXPECT_TRUE(world->calls.contains(QStringLiteral("Items.Sort([FileAs], False)")));
}

TEST_F(ContactsTest, PickerAsksForAContactsFolderAndAnEmptyOneKeepsTheLastRows)
{
    world->selection = {kNote};
    world->picks = {
        std::make_shared<testing::FakeFolder>(world, "Inbox", 0, std::vector<FakeContact>{})};
    useContact.cmdPreview_Click(); // no contact: the picker, a mail folder, then a cancel
    loadFolder({}, "Mail", outlook::olMailItem); // no window: the same
    EXPECT_EQ(dialogs.messages(), Messages(2, {"Please select a Contacts folder"}));
    EXPECT_EQ(view.status, QStringLiteral("No Contacts Opened"));

    // Browsing does nothing before a folder has been loaded.
    view.page = 2;
    browser.cmdNext_Click();
    browser.cmdPrevious_Click();
    browser.MSFG1_MouseUp();
    browser.Form_MouseDown(ContactBrowser::MouseButton::Left);
    EXPECT_TRUE(view.address.isEmpty());
    EXPECT_EQ(view.page, 2);

    dialogs.clear();
    loadRows(3);
    view.page = 0;
    loadFolder({});
    EXPECT_EQ(dialogs.messages(), Messages{{"No contacts found in selected folder"}});
    EXPECT_EQ(view.status, QStringLiteral("No Contacts Loaded"));
    EXPECT_EQ(view.page, 0);
    browse(&ContactBrowser::cmdNext_Click, 2);
}

TEST_F(ContactsTest, UseContactComposesTheRecipientAndReleasesInOrder)
{
    const std::pair<FakeContact, QString> cases[] = {
        {contact("Jo Doe", "5 Elm St\r\nTown"), "Jo Doe\r\n5 Elm St\r\nTown"},
        {{outlook::olContact, "", "", "Acme Co", "PO Box 9"}, "Acme Co\r\nPO Box 9"},
        // A person at a company: the name is the first line and the company is left out.
        {{outlook::olContact, "", "Jo Doe", "Acme Co", "5 Elm St"}, "Jo Doe\r\n5 Elm St"},
        {contact("Jo Doe", ""), "Jo Doe\r\n"},
    };
    for (const auto& [selected, expected] : cases) {
        SCOPED_TRACE(expected.toStdString());
        world->selection = {selected, contact("Second", "x")};
        world->calls.clear();
        useContact.cmdPreview_Click();
        EXPECT_EQ(view.address, expected);
        EXPECT_EQ(world->selectionIndex, Variant(std::int16_t{1}));
        EXPECT_EQ(world->calls.filter(QStringLiteral("release ")),
                  (QStringList{"release Item", "release Selection", "release Explorer",
                               "release NameSpace", "release Application"}));
    }

    world->selection = {contact("", "1 Road")};
    useContact.cmdPreview_Click();
    EXPECT_EQ(dialogs.messages(),
              (Messages{{"Improper Name or Company Name", MessageIcon::Information}}));
    EXPECT_EQ(view.address, QStringLiteral("Jo Doe\r\n"));
}

TEST_F(ContactsTest, EveryFailureIsReportedAndEverythingReleased)
{
    struct Case {
        const char* failOn;
        std::exception_ptr failure;
        QString text;
    };
    const Case cases[] = {
        {"Application.ActiveExplorer", world->failure, "Error No: 5\r\nDescription: D"},
        {"create", world->failure,
         "Error No: 429\r\nDescription: ActiveX component can't create object"},
        {"Explorer.Selection", std::make_exception_ptr(std::runtime_error("library broke")),
         "Error No: 5\r\nDescription: library broke"},
        {"Selection.Item", std::make_exception_ptr(std::bad_alloc()),
         "Error No: 7\r\nDescription: Out of memory"},
        // Error 91 brings up the picker, which fails the same way.
        {"Application.GetNamespace", std::make_exception_ptr(AutomationError::runtime(91)),
         "Error No: 91\r\nDescription: Object variable or With block variable not set"},
    };
    world->selection = {contact("Jo", "1 Road")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failOn);
        dialogs.clear();
        world->failOn = c.failOn;
        world->failure = c.failure;
        useContact.cmdPreview_Click();
        EXPECT_EQ(dialogs.messages(), Messages{{c.text}});
        EXPECT_EQ(world->aliveObjects, 0);
    }
}

TEST_F(ContactsTest, FailureDuringTheFillKeepsTheRowsFilledSoFar)
{
    world->failAfterItems = 2;
    loadFolder(
        {contact("Ann", "1"), contact("Ben", "2"), contact("Cat", "3"), contact("Dan", "4")});
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{"Error No: -2147221233\r\nDescription: The item was moved."});
    EXPECT_EQ(view.status, QStringLiteral("Loading Contacts "));
    EXPECT_EQ(view.table.cells[2], (QStringList{"", "Ben", "2"}));
    EXPECT_EQ(view.table.cells[4], (QStringList{"", "", ""}));
}

TEST_F(ContactsTest, BrowsingWrapsAtBothEndsAndGoesOnFromAGridClick)
{
    loadRows(6);
    browse(&ContactBrowser::cmdNext_Click, 2); // from row 1 at start
    browse(&ContactBrowser::cmdPrevious_Click, 1);
    browse(&ContactBrowser::cmdPrevious_Click, 6);
    browse(&ContactBrowser::cmdNext_Click, 1);

    view.table.rowSel = 5;
    browse(&ContactBrowser::MSFG1_MouseUp, 5);
    EXPECT_EQ(view.page, 0);
    view.page = 1;
    browse(&ContactBrowser::cmdNext_Click, 6);
    EXPECT_EQ(view.page, 1);

    browser.Form_MouseDown(ContactBrowser::MouseButton::Left);
    EXPECT_EQ(view.address, rowText(5));
    browser.Form_MouseDown(ContactBrowser::MouseButton::Right);
    browser.Form_MouseDown(ContactBrowser::MouseButton::Right);
    browser.Form_MouseDown(ContactBrowser::MouseButton::Middle);
    EXPECT_EQ(view.address, rowText(1));

    // A current row beyond a smaller folder is brought back into range first.
    loadRows(3);
    state.varCurRow = Variant(std::int32_t{10});
    browse(&ContactBrowser::cmdPrevious_Click, 2);
}

} // namespace
} // namespace addrell
