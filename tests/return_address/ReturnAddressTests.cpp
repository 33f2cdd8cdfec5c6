#include "ErrorNumber.h"
#include "ReturnAddressSamples.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"
#include "return_address/FileChannel.h"
#include "return_address/ListSink.h"
#include "return_address/ReturnAddressController.h"
#include "return_address/ReturnAddressLoader.h"
#include "return_address/ReturnAddressLocation.h"
#include "return_address/ReturnAddressState.h"
#include "return_address/ReturnAddressView.h"
#include "return_address/TextLineReader.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

namespace addrell {
namespace {

constexpr int kMaxLines = ReturnAddressLoader::kMaxLines;

const MessageBoxRequest kBadFileFormat{QStringLiteral("Bad File Format"), MessageIcon::Exclamation};

// Entry i as it is shown: "Name i", "Line1 i", "Line2 i", "City i" and an empty line.
QString entryText(int i)
{
    return QStringLiteral("Name %1\r\nLine1 %1\r\nLine2 %1\r\nCity %1\r\n\r\n").arg(i);
}

// That many entries as a file, each ending in a line of dashes.
QByteArray entries(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i) {
        text += entryText(i) + QStringLiteral("-----\r\n");
    }
    return text.toLatin1();
}

struct StringListSink : ListSink {
    void clear() override { items.clear(); }
    void append(const QString& item) override { items << item; }
    QStringList items;
};

// The test is the window: its controls are plain values, and setting the list index runs the
// selection handler.
class ReturnAddressControllerTest : public ::testing::Test, public ReturnAddressView {
protected:
    ListSink& addressItems() override { return cboAddress; }
    [[nodiscard]] int addressListIndex() const override { return listIndex; }
    void setAddressListIndex(int index) override
    {
        if (index >= cboAddress.items.size()) {
            throw AutomationError::runtime(RuntimeError::InvalidPropertyValue);
        }
        listIndex = index;
        controller.cboAddress_Click();
    }
    ListSink& fileRows() override { return lstFile; }
    void setFileRowsVisible(bool visible) override { lstFileVisible = visible; }
    void setReturnText(const QString& text) override { txtReturn = text; }
    void setPathCaption(const QString& caption) override { lblPath = caption; }
    void setCurrentPage(int index) override { page = index; }

    // Whether the button says a file was loaded.
    bool openWithButton(const QString& path)
    {
        dialogs.setNextFile(path);
        return controller.cmdAddFile_Click();
    }
    [[nodiscard]] int entryCount() const
    {
        return state.colAddresses ? state.colAddresses->count() : -1;
    }

    StringListSink cboAddress;
    StringListSink lstFile;
    int listIndex = -1;
    bool lstFileVisible = false;
    QString txtReturn;
    QString lblPath;
    int page = 2;
    testing::TempFiles files;
    testing::ScriptedDialogs dialogs;
    ReturnAddressState state;
    FileChannel channel;
    ReturnAddressController controller{state, channel, *this, dialogs};
};

TEST_F(ReturnAddressControllerTest, LoadsWhatIsReadAndStopsAfterThe21stEntry)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int items;
        int rows;
        int entries; // -1: the entry list was never created
    };
    const Case cases[] = {
        {"empty file", "", 0, 0, -1},
        {"one extra empty line", testing::twoEntryFile() + "\r\n", 3, 13, 2},
        {"ends inside the second entry", entries(1) + "Name 2\r\nLine1 2\r\nLine2 2\r\n", 2, 9, 1},
        {"20 entries", entries(20), 20, 120, 20},
        {"21 entries", entries(21), 21, 126, 20},
        {"25 entries", entries(25), 21, 126, 20},
    };
    lstFile.items << QStringLiteral("stale row");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cboAddress.items.clear();
        state = ReturnAddressState{};
        ASSERT_TRUE(controller.OpenFile(files.write(QStringLiteral("load.txt"), c.bytes)));
        controller.FillCombo();
        EXPECT_EQ(cboAddress.items.size(), c.items);
        EXPECT_EQ(lstFile.items.size(), c.rows);
        EXPECT_EQ(entryCount(), c.entries);
        EXPECT_FALSE(channel.isOpen());
    }
}

TEST_F(ReturnAddressControllerTest, FileButtonLoadsTheChosenFileAndSelectsItsSecondItem)
{
    const QString path = files.write(QStringLiteral("two.txt"), testing::twoEntryFile());
    EXPECT_TRUE(openWithButton(path));
    EXPECT_EQ(dialogs.fileRequests(),
              (std::vector{OpenFileRequest{"Open File", "Text (*.txt)|*.txt", QString()}}));
    EXPECT_EQ(cboAddress.items, (QStringList{"Pat Example", "Pat Example"}));
    EXPECT_EQ(lstFile.items, (QStringList{"Pat Example", "Example Widgets Co.", "100 Sample Road",
                                          "Springfield, ST 00000", "", "", "Pat Example",
                                          "PO Box 0", "", "Springfield, ST 00000", "", ""}));
    EXPECT_EQ(entryCount(), 2);
    EXPECT_EQ(state.strReturnFile, path);
    EXPECT_EQ(lblPath, path);
    EXPECT_EQ(listIndex, 1);
    EXPECT_EQ(txtReturn, testing::secondEntryText());
    EXPECT_EQ(page, 0);

    // Cancelled, missing or unreadable: nothing changes, and nothing is said.
    txtReturn = QStringLiteral("typed");
    EXPECT_FALSE(controller.cmdAddFile_Click());
    EXPECT_FALSE(openWithButton(files.path() + QStringLiteral("/gone.txt")));
    EXPECT_FALSE(openWithButton(files.path()));
    EXPECT_EQ(txtReturn, QStringLiteral("typed"));
    EXPECT_EQ(lblPath, path);
    EXPECT_EQ(entryCount(), 2);
    EXPECT_EQ(state.strReturnFile, files.path()); // the name that failed
    EXPECT_TRUE(dialogs.messages().empty());

    openWithButton(path); // the lists are replaced, not added to
    EXPECT_EQ(cboAddress.items.size(), 2);
    EXPECT_EQ(lstFile.items.size(), 12);
    EXPECT_EQ(entryCount(), 2);
}

TEST_F(ReturnAddressControllerTest, ItemsWithoutAnEntryAreABadFileFormat)
{
    // Selecting the second item fails, but the file was loaded.
    EXPECT_TRUE(openWithButton(files.write(QStringLiteral("one.txt"), entries(1))));
    EXPECT_EQ(cboAddress.items, QStringList{"Name 1"});
    EXPECT_EQ(listIndex, -1);
    EXPECT_EQ(txtReturn, QStringLiteral(" "));
    EXPECT_EQ(page, 2);
    EXPECT_TRUE(dialogs.messages().empty());

    openWithButton(files.write(QStringLiteral("many.txt"), entries(21)));
    EXPECT_EQ(txtReturn, entryText(2));
    page = 2;
    listIndex = 20; // the 21st item
    controller.cboAddress_Click();
    EXPECT_EQ(dialogs.messages(), std::vector{kBadFileFormat});
    EXPECT_TRUE(lstFileVisible);
    EXPECT_EQ(txtReturn, entryText(2));
    EXPECT_EQ(page, 2);
    listIndex = 0; // a good entry hides the list again
    controller.cboAddress_Click();
    EXPECT_FALSE(lstFileVisible);
    EXPECT_EQ(page, 0);
    EXPECT_EQ(txtReturn, entryText(1));

    // A line too long to read ends the load inside the second entry, which is then selected.
    dialogs.clear();
    const QString huge = files.write(QStringLiteral("huge.txt"), entries(1) + "Name 2\r\n");
    ASSERT_TRUE(QFile::resize(huge, 20 * 1024 * 1024)); // the rest is one line of zeros
    openWithButton(huge);
    EXPECT_EQ(dialogs.messages(), std::vector{kBadFileFormat});
    EXPECT_TRUE(lstFileVisible);
    EXPECT_EQ(txtReturn, QStringLiteral(" "));
    EXPECT_EQ(lstFile.items.size(), 7);
}

TEST(ReturnAddressLocation, StartFileIsTheRememberedOneThenTheUsersOwnThenTheSample)
{
    const testing::TempFiles files;
    const QString config = files.path() + QStringLiteral("/config");
    const QString program = files.path() + QStringLiteral("/program");
    const QString sample = program + QStringLiteral("/ReturnAddress.txt");
    const QString own = config + QStringLiteral("/addrell/ReturnAddress.txt");
    ASSERT_EQ(ReturnAddressLocation::userFile(config), own);
    const QString remembered = files.write(QStringLiteral("mine/Home.txt"), entries(1));

    // Nothing of the user's yet: the sample, also when it is missing, so start-up reports it.
    EXPECT_EQ(ReturnAddressLocation::startFile({}, config, program), sample);
    EXPECT_EQ(ReturnAddressLocation::startFile(remembered, config, program), remembered);
    files.write(QStringLiteral("config/addrell/ReturnAddress.txt"), entries(2));
    EXPECT_EQ(ReturnAddressLocation::startFile({}, config, program), own);
    EXPECT_EQ(ReturnAddressLocation::startFile(remembered, config, program), remembered);
    // A remembered file that is gone, or is a folder, is passed over quietly.
    ASSERT_TRUE(QFile::remove(remembered));
    EXPECT_EQ(ReturnAddressLocation::startFile(remembered, config, program), own);
    EXPECT_EQ(ReturnAddressLocation::startFile(files.path(), config, program), own);
    ASSERT_TRUE(QFile::remove(own));
    EXPECT_EQ(ReturnAddressLocation::startFile(remembered, config, program), sample);
}

TEST(TextLineReader, ReadsOnlyTheLinesALoadCanUseAndDecodesThemAsUtf8OrElseWindows1252)
{
    const QByteArray x(20 * 1024 * 1024, 'x');
    const QString x64k(64 * 1024, u'x');
    struct Case {
        const char* what;
        QByteArray bytes;
        QStringList lines;
        bool utf8 = true;
        int failure = 62; // of the read after the last line
    };
    const Case cases[] = {
        {"CR LF, CR, LF, no final end", "a\n\r\nb \r c", {"a", "", "b ", " c"}},
        {"LF CR is two line ends", "a\n\rb\r\n", {"a", "", "b"}},
        {"empty", "", {}},
        {"byte-order mark only", "\xEF\xBB\xBF", {}},
        {"CR LF across a read chunk", x.left(65535) + "\r\nn", {x64k.left(65535), "n"}},
        {"UTF-8 with byte-order mark",
         "\xEF\xBB\xBFRen\xc3\xa9\r\nZ\xc3\xbcrich",
         {"René", "Zürich"}},
        // The two bytes of é lie on both sides of the first 64 KiB.
        {"UTF-8 across a read chunk",
         x.left(65000) + "\r\n" + x.left(533) + "\xc3\xa9",
         {x64k.left(65000), x64k.left(533) + "é"}},
        {"no UTF-8 past the lines read", QByteArray("Z\xc3\xbc\r\n").repeated(kMaxLines) + "\xe9",
         QStringList(kMaxLines, "Zü")},
        {"one bad byte makes every line Windows-1252",
         "Andr\xc3\xa9\r\nRen\xe9 \x80\x96\x9f\x81",
         {"AndrÃ©", "René €–Ÿ" + QString(QChar(0x81))},
         false},
        {"cut off", "ok\xe2\x82", {"okâ‚"}, false},
        {"a line of 64 KiB", x.left(64 * 1024), {x64k}},
        {"a line one byte longer", x.left(64 * 1024 + 1), {}, true, 6},
        {"a 20 MB line", "Name\r\n" + x, {"Name"}, true, 6},
        {"20 MB after the lines used", QByteArray("N\r\n").repeated(kMaxLines) + x,
         QStringList(kMaxLines, "N")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QBuffer buffer;
        buffer.setData(c.bytes);
        buffer.open(QIODevice::ReadOnly);
        TextLineReader reader(buffer, kMaxLines);
        QStringList lines;
        int failure = 0;
        while (failure == 0) {
            const bool atEnd = reader.atEnd();
            failure = testing::errorNumber([&] { lines << reader.readLine(); });
            EXPECT_EQ(atEnd, failure == 62);
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(reader.isUtf8(), c.utf8);
        EXPECT_EQ(failure, c.failure);
        EXPECT_LE(buffer.pos(), 3 * 64 * 1024); // never the whole of a huge file
    }
}

} // namespace
} // namespace addrell
