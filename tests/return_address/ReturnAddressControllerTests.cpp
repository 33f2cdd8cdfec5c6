#include "FakeReturnAddressView.h"
#include "ReturnAddressSamples.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"
#include "return_address/FileChannel.h"
#include "return_address/ReturnAddressState.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

using testing::lines;

const QByteArray kExample = testing::twoEntryFile();
const QString kEntry1 = testing::firstEntryText();
const QString kEntry2 = testing::secondEntryText();

QByteArray entries(int count, const char* end = "\r\n")
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "Name " + n + end + "Line1 " + n + end + "Line2 " + n + end + "City " + n + end +
                 end + "-----" + end;
    }
    return bytes;
}

class ReturnAddressControllerTest : public ::testing::Test {
protected:
    ReturnAddressControllerTest() { view.controller = &controller; }

    // Loads bytes as start-up does: open, then fill.
    void load(const QByteArray& bytes)
    {
        ASSERT_TRUE(controller.OpenFile(files.write(QStringLiteral("load.txt"), bytes)));
        controller.FillCombo();
    }
    [[nodiscard]] int entryCount() const
    {
        return state.colAddresses ? state.colAddresses->count() : -1;
    }

    testing::TempFiles files;
    testing::ScriptedDialogs dialogs;
    testing::FakeReturnAddressView view;
    ReturnAddressState state;
    FileChannel channel;
    ReturnAddressController controller{state, channel, view, dialogs};
};

TEST_F(ReturnAddressControllerTest, WorkedExampleLoadsTwoEntries)
{
    view.lstFile.items << QStringLiteral("stale row");
    load(kExample);

    EXPECT_EQ(view.cboAddress.items, (QStringList{"Pat Example", "Pat Example"}));
    ASSERT_EQ(view.lstFile.items.size(), 12);
    EXPECT_EQ(view.lstFile.items[0], QStringLiteral("Pat Example"));
    EXPECT_EQ(view.lstFile.items[5], QString());
    EXPECT_EQ(view.lstFile.items[7], QStringLiteral("PO Box 0"));
    EXPECT_EQ(view.lstFile.items[11], QString());
    ASSERT_EQ(entryCount(), 2);
    EXPECT_TRUE(state.colAddresses->contains(QStringLiteral("1")));
    EXPECT_TRUE(state.colAddresses->contains(QStringLiteral("2")));
    EXPECT_EQ(state.colAddresses->item(2).item(QStringLiteral("ADDLINE1")),
              QStringLiteral("PO Box 0"));
    EXPECT_EQ(state.colAddresses->item(1).item(QStringLiteral("end")), QString());
    // The load ended on the failed read of a third entry, begun but empty.
    ASSERT_TRUE(state.colEntry.has_value());
    EXPECT_EQ(state.colEntry->count(), 0);
    EXPECT_FALSE(channel.isOpen());

    view.listIndex = 0;
    controller.cboAddress_Click();
    EXPECT_EQ(view.txtReturn, kEntry1);
    EXPECT_EQ(view.page, 0);
    EXPECT_FALSE(view.lstFileVisible);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ReturnAddressControllerTest, PartialLoadsKeepWhatWasRead)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int items;
        int rows;
        int entries; // -1: the entry list was never created
    };
    QByteArray noFinalEnd = kExample;
    noFinalEnd.chop(2);
    QByteArray endsInSecond = entries(1) + lines({"Name 2", "Line1 2", "Line2 2"});
    QByteArray extraLine = kExample + "\r\n";
    QByteArray dashes = lines({"A", "B", "C", "D", "E", "----------"});
    const Case cases[] = {
        {"empty file", "", 0, 0, -1},
        {"12 lines", kExample, 2, 12, 2},
        {"no final line end", noFinalEnd, 2, 12, 2},
        {"one extra empty line", extraLine, 3, 13, 2},
        {"ends inside the second entry", endsInSecond, 2, 9, 1},
        {"ends after the first line", lines({"Only"}), 1, 1, -1},
        {"20 entries", entries(20), 20, 120, 20},
        {"21 entries", entries(21), 21, 126, 20},
        {"25 entries", entries(25), 21, 126, 20},
        {"LF line ends", entries(2, "\n"), 2, 12, 2},
        {"CR line ends", entries(2, "\r"), 2, 12, 2},
        {"sixth line with text", dashes, 1, 6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view.cboAddress.items.clear();
        state = ReturnAddressState{};
        load(c.bytes);
        EXPECT_EQ(view.cboAddress.items.size(), c.items);
        EXPECT_EQ(view.lstFile.items.size(), c.rows);
        EXPECT_EQ(entryCount(), c.entries);
        EXPECT_FALSE(channel.isOpen());
        if (c.rows >= 6) {
            EXPECT_EQ(view.lstFile.items[5], QString());
        }
    }
}

TEST_F(ReturnAddressControllerTest, TwentyFirstEntryStopsTheLoadOnKeyOne)
{
    load(entries(21));
    EXPECT_EQ(view.cboAddress.items.last(), QStringLiteral("Name 21"));
    EXPECT_EQ(view.lstFile.items[120], QStringLiteral("Name 21"));
    EXPECT_EQ(state.colAddresses->item(20).item(QStringLiteral("Name")), QStringLiteral("Name 20"));
    // The entry that could not be stored stays behind.
    ASSERT_TRUE(state.colEntry.has_value());
    EXPECT_EQ(state.colEntry->item(QStringLiteral("name")), QStringLiteral("Name 21"));
}

TEST_F(ReturnAddressControllerTest, EncodingsAreDecoded)
{
    load(QByteArray("\xEF\xBB\xBF") + lines({"Ren\xc3\xa9 M\xc3\xbcller", "a", "b", "c", "", ""}));
    EXPECT_EQ(view.cboAddress.items, QStringList{QStringLiteral("René Müller")});

    view.cboAddress.items.clear();
    load(lines({"Jos\xe9 Pe\xf1"
                "a",
                "a", "b", "c", "", ""}));
    EXPECT_EQ(view.cboAddress.items, QStringList{QStringLiteral("José Peña")});
}

TEST_F(ReturnAddressControllerTest, SelectingAMissingEntryReportsBadFileFormat)
{
    load(entries(1) + lines({"Name 2", "Line1 2"}));
    view.txtReturn = QStringLiteral("typed by the user");
    view.page = 2;
    view.listIndex = 1;
    controller.cboAddress_Click();

    ASSERT_EQ(dialogs.messages().size(), 1U);
    const MessageBoxRequest& message = dialogs.messages()[0];
    EXPECT_EQ(message.text, QStringLiteral("Bad File Format"));
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.title, QStringLiteral("Addrell"));
    EXPECT_TRUE(view.lstFileVisible);
    EXPECT_EQ(view.txtReturn, QStringLiteral("typed by the user"));
    EXPECT_EQ(view.page, 2);

    // A good entry afterwards hides the list again.
    view.listIndex = 0;
    controller.cboAddress_Click();
    EXPECT_FALSE(view.lstFileVisible);
    EXPECT_EQ(view.page, 0);
    EXPECT_EQ(view.txtReturn, QStringLiteral("Name 1\r\nLine1 1\r\nLine2 1\r\nCity 1\r\n\r\n"));

    // Nothing selected, and no list at all, are bad formats too.
    dialogs.clear();
    view.listIndex = -1;
    controller.cboAddress_Click();
    state.colAddresses.reset();
    view.listIndex = 0;
    controller.cboAddress_Click();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{"Bad File Format", "Bad File Format"}));
}

TEST_F(ReturnAddressControllerTest, FileButtonLoadsTheChosenFileAndShowsItsSecondEntry)
{
    const QString path = files.write(QStringLiteral("two.txt"), kExample);
    dialogs.setNextFile(path);
    controller.cmdAddFile_Click();

    ASSERT_EQ(dialogs.fileRequests().size(), 1U);
    EXPECT_EQ(dialogs.fileRequests()[0].title, QStringLiteral("Open File"));
    EXPECT_EQ(dialogs.fileRequests()[0].filter, QStringLiteral("Text (*.txt)|*.txt"));
    EXPECT_EQ(state.strReturnFile, path);
    EXPECT_EQ(view.lblPath, path);
    EXPECT_EQ(view.listIndex, 1);
    EXPECT_EQ(view.txtReturn, kEntry2);
    EXPECT_EQ(view.page, 0);
    EXPECT_EQ(entryCount(), 2);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(channel.isOpen());

    // Loading again replaces the lists rather than adding to them.
    dialogs.setNextFile(path);
    controller.cmdAddFile_Click();
    EXPECT_EQ(view.cboAddress.items.size(), 2);
    EXPECT_EQ(view.lstFile.items.size(), 12);
    EXPECT_EQ(entryCount(), 2);
}

TEST_F(ReturnAddressControllerTest, FileButtonWithTooFewOrBadEntries)
{
    dialogs.setNextFile(files.write(QStringLiteral("one.txt"), entries(1)));
    controller.cmdAddFile_Click();
    EXPECT_EQ(view.cboAddress.items, QStringList{"Name 1"});
    EXPECT_EQ(view.listIndex, -1);
    EXPECT_EQ(view.txtReturn, QStringLiteral(" "));
    EXPECT_EQ(view.page, 2);
    EXPECT_TRUE(dialogs.messages().empty());
    view.listIndex = 0;
    controller.cboAddress_Click();
    EXPECT_EQ(view.txtReturn, QStringLiteral("Name 1\r\nLine1 1\r\nLine2 1\r\nCity 1\r\n\r\n"));

    dialogs.setNextFile(files.write(QStringLiteral("many.txt"), entries(21)));
    controller.cmdAddFile_Click();
    EXPECT_EQ(view.listIndex, 1);
    EXPECT_EQ(view.txtReturn, QStringLiteral("Name 2\r\nLine1 2\r\nLine2 2\r\nCity 2\r\n\r\n"));
    view.listIndex = 20;
    controller.cboAddress_Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Bad File Format"});
    EXPECT_EQ(view.txtReturn, QStringLiteral("Name 2\r\nLine1 2\r\nLine2 2\r\nCity 2\r\n\r\n"));

    dialogs.clear();
    view.lstFileVisible = false;
    dialogs.setNextFile(files.write(QStringLiteral("cut.txt"), entries(1) + lines({"Name 2"})));
    controller.cmdAddFile_Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Bad File Format"});
    EXPECT_TRUE(view.lstFileVisible);
    EXPECT_EQ(view.txtReturn, QStringLiteral(" "));
    EXPECT_EQ(view.lstFile.items.size(), 7);
}

TEST_F(ReturnAddressControllerTest, FileButtonChangesNothingWhenCancelledOrUnreadable)
{
    const QString path = files.write(QStringLiteral("two.txt"), kExample);
    dialogs.setNextFile(path);
    controller.cmdAddFile_Click();
    view.txtReturn = QStringLiteral("typed");

    dialogs.setNextFile(std::nullopt);
    controller.cmdAddFile_Click();
    dialogs.setNextFile(files.path() + QStringLiteral("/gone.txt"));
    controller.cmdAddFile_Click();
    dialogs.setNextFile(files.path());
    controller.cmdAddFile_Click();

    EXPECT_EQ(view.txtReturn, QStringLiteral("typed"));
    EXPECT_EQ(view.lblPath, path);
    EXPECT_EQ(view.cboAddress.items.size(), 2);
    EXPECT_EQ(entryCount(), 2);
    EXPECT_EQ(state.strReturnFile, files.path()); // the name that failed
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(channel.isOpen());
}

TEST(ComposeReturnAddress, FiveLinesEachEndingInCrLf)
{
    ReturnAddressEntry entry;
    for (const char* key : {"Name", "AddLine1", "AddLine2", "CSZ", "Blank"}) {
        entry.add(QString::fromLatin1(key), QString::fromLatin1(key).toLower());
    }
    entry.add(QStringLiteral("End"), QString());
    EXPECT_EQ(ComposeReturnAddress(entry),
              QStringLiteral("name\r\naddline1\r\naddline2\r\ncsz\r\nblank\r\n"));
    ReturnAddressEntry incomplete;
    incomplete.add(QStringLiteral("Name"), QStringLiteral("x"));
    EXPECT_THROW(static_cast<void>(ComposeReturnAddress(incomplete)), AutomationError);
}

} // namespace
} // namespace addrell
