#include "FakeOutlook.h"
#include "ScriptedDialogs.h"
#include "automation/ServerFactories.h"
#include "contacts/ContactBrowser.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactsState.h"
#include "contacts/UseContact.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

using testing::FakeContact;
using testing::FakeFolder;

FakeContact contact(const char* fileAs, const char* fullName, const char* address)
{
    return {outlook::olContact, fileAs, fullName, QString(), address};
}

class ContactsTest : public ::testing::Test {
protected:
    ContactsTest()
    {
        factories.outlookApplication = [this] {
            return std::make_shared<testing::FakeOutlookApplication>(world);
        };
    }

    std::shared_ptr<FakeFolder> folder(const char* name, std::vector<FakeContact> contents,
                                       std::int32_t itemType = outlook::olContactItem)
    {
        return std::make_shared<FakeFolder>(world, name, itemType, std::move(contents));
    }
    // Presses "Use Contact" with no window in the contacts program, so the picker comes up.
    void loadFolder(std::shared_ptr<FakeFolder> picked)
    {
        world->selection.clear();
        world->picks.push_back(std::move(picked));
        useContact.cmdPreview_Click();
    }
    [[nodiscard]] QStringList column(int col) const
    {
        QStringList texts;
        for (std::int32_t row = 1; row < view.table.Rows(); ++row) {
            texts << view.table.TextMatrix(row, col);
        }
        return texts;
    }
    void loadRows(int count)
    {
        std::vector<FakeContact> contents;
        for (int i = 1; i <= count; ++i) {
            const QByteArray n = QByteArray::number(i);
            contents.push_back(contact("F" + n, "Name " + n, "Street " + n + "\r\nTown"));
        }
        loadFolder(folder("Rows", contents));
    }

    std::shared_ptr<testing::OutlookWorld> world = std::make_shared<testing::OutlookWorld>();
    ServerFactories factories;
    testing::ScriptedDialogs dialogs;
    testing::FakeContactsView view;
    ContactsState state;
    ContactFolderLoader loader{state, factories, view, dialogs};
    UseContact useContact{state, factories, loader, view, dialogs};
    ContactBrowser browser{state, view};
};

TEST_F(ContactsTest, FolderLoadListsContactsInFileAsOrder)
{
    FakeContact mail{43, "Aaa", "Mail item", "", "x"};
    loadFolder(folder("Business", {contact("Zed, Al", "Al Zed", "1 A St\r\nAton, ST  00001"),
                                   contact("Adams, Zoe", "Zoe Adams", "2 B St"), mail,
                                   contact("Moe, Ida", "Ida Moe", ""),
                                   contact("Kay, Cy", "Cy Kay", "3 C St")}));

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(view.table.Rows(), 4);
    EXPECT_EQ(view.table.Cols(), 3);
    EXPECT_EQ(column(1), (QStringList{"Zoe Adams", "Cy Kay", "Al Zed"}));
    EXPECT_EQ(column(2), (QStringList{"2 B St", "3 C St", "1 A St\r\nAton, ST  00001"}));
    EXPECT_EQ(column(0), (QStringList{"", "", ""}));
    EXPECT_EQ(view.table.formatString.size(), 120);
    EXPECT_EQ(view.table.formatString.split(u'|'),
              (QStringList{"<    ", "<Name" + QString(31, u' '), "<Address" + QString(69, u' ')}));
    EXPECT_EQ(view.progressMax, 5.0F);
    EXPECT_EQ(view.progressValues, (QList<float>{0, 1, 2}));
    EXPECT_FALSE(view.progressVisible);
    EXPECT_EQ(view.status, QStringLiteral("3 Contacts from Business"));
    EXPECT_TRUE(view.nextVisible && view.previousVisible);
    EXPECT_EQ(view.page, 1);
    EXPECT_FALSE(state.blnNoContacts);
    EXPECT_TRUE(world->calls.contains(QStringLiteral("Items.Sort([FileAs], False)")));
    EXPECT_EQ(world->aliveObjects, 0);
    EXPECT_EQ(state.varCurRow, Variant(std::int16_t{1})); // loading leaves the current row

    loadFolder(folder("Few", {contact("B", "Bea", "Road 1")}));
    EXPECT_EQ(view.table.Rows(), 2);
    EXPECT_EQ(column(1), QStringList{"Bea"});
    EXPECT_EQ(view.status, QStringLiteral("1 Contacts from Few"));
}

TEST_F(ContactsTest, PickerLoopsUntilAContactsFolderOrCancel)
{
    loadFolder(nullptr); // the user cancels at once
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(view.status, QStringLiteral("No Contacts Opened"));
    EXPECT_TRUE(state.blnNoContacts);

    world->picks = {folder("Inbox", {}, outlook::olMailItem)};
    useContact.cmdPreview_Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Please select a Contacts folder"});
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(view.status, QStringLiteral("No Contacts Opened"));
    EXPECT_TRUE(state.blnNoContacts);

    dialogs.clear();
    world->calls.clear();
    for (int i = 0; i < 3; ++i) {
        world->picks.push_back(folder("Mail", {}, outlook::olMailItem));
    }
    loadFolder(folder("People", {contact("A", "Ann", "1 Road")}));
    EXPECT_EQ(dialogs.messageTexts().size(), 3);
    EXPECT_EQ(world->calls.count(QStringLiteral("create Outlook.Application")), 2);
    EXPECT_EQ(world->calls.count(QStringLiteral("Application.GetNamespace(MAPI)")), 5);
    EXPECT_EQ(view.status, QStringLiteral("1 Contacts from People"));
    EXPECT_EQ(world->aliveObjects, 0);
}

TEST_F(ContactsTest, EmptyFolderOrOneWithoutUsableContacts)
{
    loadRows(3);
    view.page = 0;
    loadFolder(folder("Empty", {}));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"No contacts found in selected folder"});
    EXPECT_EQ(view.status, QStringLiteral("No Contacts Loaded"));
    EXPECT_FALSE(view.nextVisible || view.previousVisible);
    EXPECT_EQ(view.table.Rows(), 4);
    EXPECT_EQ(view.page, 0);
    browser.cmdNext_Click(); // the earlier folder is still browsable
    EXPECT_EQ(view.address, QStringLiteral("Name 2\r\nStreet 2\r\nTown"));

    dialogs.clear();
    loadFolder(folder("Bare", {contact("A", "Ann", ""), contact("B", "", "1 Road")}));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(view.status, QStringLiteral("0 Contacts from Bare"));
    EXPECT_EQ(view.table.Rows(), 1);
    EXPECT_EQ(view.page, 1);
    EXPECT_TRUE(view.nextVisible);
}

TEST_F(ContactsTest, FailureDuringTheFillLeavesWhatWasDoneAndReleasesEverything)
{
    world->failAfterItems = 2;
    loadFolder(folder("Big", {contact("A", "Ann", "1"), contact("B", "Ben", "2"),
                              contact("C", "Cat", "3"), contact("D", "Dan", "4")}));

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{"Error No: -2147221233\r\nDescription: The item was moved."});
    EXPECT_EQ(view.status, QStringLiteral("Loading Contacts "));
    EXPECT_FALSE(view.nextVisible || view.previousVisible);
    EXPECT_TRUE(view.progressVisible);
    EXPECT_EQ(view.table.Rows(), 5);
    EXPECT_EQ(column(1), (QStringList{"Ann", "Ben", "", ""}));
    EXPECT_EQ(view.page, 0);
    EXPECT_TRUE(state.blnNoContacts);
    EXPECT_EQ(state.objOutlook, nullptr);
    EXPECT_EQ(world->aliveObjects, 0);
}

TEST_F(ContactsTest, UseContactComposesTheRecipient)
{
    struct Case {
        const char* what;
        FakeContact selected;
        QString expected;
    };
    const Case cases[] = {
        {"name and two-line address", contact("", "Jo Doe", "5 Elm St\r\nTown, ST  00001"),
         "Jo Doe\r\n5 Elm St\r\nTown, ST  00001"},
        {"company instead of an empty name",
         {outlook::olContact, "", "", "Acme Co", "PO Box 9"},
         "Acme Co\r\nPO Box 9"},
        {"name without address", contact("", "Jo Doe", ""), "Jo Doe\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view.address = QStringLiteral("typed");
        world->selection = {c.selected, contact("", "Second", "x")};
        useContact.cmdPreview_Click();
        EXPECT_EQ(view.address, c.expected);
        EXPECT_EQ(state.strAddress, c.expected);
        EXPECT_EQ(state.objOutlook, nullptr);
        EXPECT_EQ(world->aliveObjects, 0);
    }
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(world->calls.contains(QStringLiteral("Selection.Item(1)")));
    EXPECT_EQ(view.page, 0);

    world->selection = {{outlook::olContact, "", "", "", "1 Road"}};
    useContact.cmdPreview_Click();
    ASSERT_EQ(dialogs.messages().size(), 1U);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Improper Name or Company Name"));
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(view.address, QStringLiteral("Jo Doe\r\n"));
}

TEST_F(ContactsTest, NoContactSelectedLeadsToThePickerWithoutAMessage)
{
    world->selection = {{outlook::olNote, "", "", "", ""}};
    useContact.cmdPreview_Click();
    EXPECT_TRUE(world->calls.contains(QStringLiteral("NameSpace.PickFolder")));

    world->calls.clear();
    world->selection.clear();
    useContact.cmdPreview_Click();
    EXPECT_TRUE(world->calls.contains(QStringLiteral("NameSpace.PickFolder")));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(world->aliveObjects, 0);
    EXPECT_TRUE(view.address.isEmpty());
}

TEST_F(ContactsTest, ErrorsAreReportedAndTheNextPressStartsAfresh)
{
    world->selection = {contact("", "Jo", "1 Road")};
    world->failOn = QStringLiteral("Application.ActiveExplorer");
    useContact.cmdPreview_Click();
    ASSERT_EQ(dialogs.messages().size(), 1U);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Error No: 5\r\nDescription: D"));
    EXPECT_EQ(dialogs.messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(state.objOutlook, nullptr);
    EXPECT_EQ(state.objNameSpace, nullptr);
    EXPECT_EQ(world->aliveObjects, 0);

    world->failOn.clear();
    world->calls.clear();
    useContact.cmdPreview_Click();
    EXPECT_EQ(world->calls.first(), QStringLiteral("create Outlook.Application"));
    EXPECT_EQ(view.address, QStringLiteral("Jo\r\n1 Road"));

    // A failure in the picker started after error 91 is reported the same way.
    dialogs.clear();
    world->selection.clear();
    world->failOn = QStringLiteral("NameSpace.PickFolder");
    useContact.cmdPreview_Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Error No: 5\r\nDescription: D"});
    EXPECT_EQ(world->aliveObjects, 0);

    dialogs.clear();
    factories.outlookApplication = nullptr;
    useContact.cmdPreview_Click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{"Error No: 429\r\nDescription: ActiveX component can't create object"});
}

TEST_F(ContactsTest, BrowsingWrapsAtBothEnds)
{
    loadRows(3);
    browser.cmdNext_Click(); // from row 1 at start
    EXPECT_EQ(view.address, QStringLiteral("Name 2\r\nStreet 2\r\nTown"));
    browser.cmdNext_Click();
    browser.cmdNext_Click();
    EXPECT_EQ(view.address, QStringLiteral("Name 1\r\nStreet 1\r\nTown"));
    EXPECT_EQ(state.varCurRow, Variant(std::int32_t{1}));
    browser.cmdPrevious_Click();
    EXPECT_EQ(view.address, QStringLiteral("Name 3\r\nStreet 3\r\nTown"));
    EXPECT_EQ(state.varCurRow, Variant(std::int32_t{3}));

    state.varCurRow = Variant(std::int16_t{1});
    loadRows(1);
    browser.cmdNext_Click();
    EXPECT_EQ(view.address, QStringLiteral("Name 1\r\nStreet 1\r\nTown"));
}

TEST_F(ContactsTest, GridClickAndWindowClicks)
{
    loadRows(6);
    view.table.rowSel = 5;
    browser.MSFG1_MouseUp();
    EXPECT_EQ(view.address, QStringLiteral("Name 5\r\nStreet 5\r\nTown"));
    EXPECT_EQ(view.page, 0);
    view.page = 1;
    browser.cmdNext_Click();
    EXPECT_EQ(view.address, QStringLiteral("Name 6\r\nStreet 6\r\nTown"));
    EXPECT_EQ(view.page, 1);
    EXPECT_EQ(view.table.rowSel, 5);

    browser.Form_MouseDown(ContactBrowser::MouseButton::Left);
    EXPECT_EQ(view.address, QStringLiteral("Name 5\r\nStreet 5\r\nTown"));
    browser.Form_MouseDown(ContactBrowser::MouseButton::Right);
    browser.Form_MouseDown(ContactBrowser::MouseButton::Right);
    EXPECT_EQ(view.address, QStringLiteral("Name 1\r\nStreet 1\r\nTown"));
    browser.Form_MouseDown(ContactBrowser::MouseButton::Middle);
    EXPECT_EQ(state.varCurRow, Variant(std::int32_t{1}));
}

TEST_F(ContactsTest, BrowsingDoesNothingWithoutRowsToShow)
{
    view.page = 2;
    browser.cmdNext_Click();
    browser.cmdPrevious_Click();
    browser.MSFG1_MouseUp();
    browser.Form_MouseDown(ContactBrowser::MouseButton::Left);
    EXPECT_TRUE(view.address.isEmpty());
    EXPECT_EQ(view.page, 2);
    EXPECT_EQ(state.varCurRow, Variant(std::int16_t{1}));

    loadFolder(folder("Bare", {contact("A", "Ann", "")}));
    browser.cmdNext_Click();
    browser.cmdPrevious_Click();
    browser.MSFG1_MouseUp();
    EXPECT_TRUE(view.address.isEmpty());
    EXPECT_EQ(view.page, 1);

    // A current row beyond a smaller folder is brought back into range first.
    loadRows(3);
    state.varCurRow = Variant(std::int32_t{10});
    browser.cmdPrevious_Click();
    EXPECT_EQ(view.address, QStringLiteral("Name 2\r\nStreet 2\r\nTown"));
    state.varCurRow = Variant(std::int32_t{10});
    browser.cmdNext_Click();
    EXPECT_EQ(view.address, QStringLiteral("Name 1\r\nStreet 1\r\nTown"));
    view.table.rowSel = 0; // the header row is no contact
    browser.MSFG1_MouseUp();
    EXPECT_EQ(state.varCurRow, Variant(std::int32_t{1}));
}

} // namespace
} // namespace addrell
