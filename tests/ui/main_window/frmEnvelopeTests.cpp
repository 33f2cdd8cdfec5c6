#include "FakeOutlook.h"
#include "FakeWord.h"
#include "ReturnAddressSamples.h"
#include "ScriptedDialogs.h"
#include "TempFiles.h"
#include "ui/main_window/FlexGrid.h"
#include "ui/main_window/LayoutTable.h"
#include "ui/main_window/TabControl.h"
#include "ui/main_window/TextBoxText.h"
#include "ui/main_window/frmEnvelope.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using testing::lines;

const QByteArray kExample = testing::twoEntryFile();

class frmEnvelopeTest : public ::testing::Test {
protected:
    std::unique_ptr<frmEnvelope> open()
    {
        ServerFactories factories;
        factories.wordApplication = [this] {
            return std::make_shared<testing::FakeWordApplication>(word);
        };
        factories.wordGlobal = [this] { return std::make_shared<testing::FakeWordGlobal>(word); };
        factories.outlookApplication = [this] {
            return std::make_shared<testing::FakeOutlookApplication>(outlook);
        };
        return std::make_unique<frmEnvelope>(files.path(), dialogs, factories);
    }
    void writeDefault(const QByteArray& bytes) const
    {
        files.write(QStringLiteral("ReturnAddress.txt"), bytes);
    }
    static QString text(const frmEnvelope& window, const char* name)
    {
        return window.control<QPlainTextEdit>(QString::fromLatin1(name))->toPlainText();
    }
    static QString caption(const frmEnvelope& window, const char* name)
    {
        return window.control<QLabel>(QString::fromLatin1(name))->text();
    }
    static int page(const frmEnvelope& window)
    {
        return window.control<TabControl>(QStringLiteral("SSTab1"))->currentPage();
    }

    testing::TempFiles files;
    testing::ScriptedDialogs dialogs;
    std::shared_ptr<testing::WordLog> word = std::make_shared<testing::WordLog>();
    std::shared_ptr<testing::OutlookWorld> outlook = std::make_shared<testing::OutlookWorld>();
};

TEST_F(frmEnvelopeTest, StartsWithTheSecondEntryOfTheDefaultFile)
{
    writeDefault(kExample);
    const auto window = open();

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tresk's Addrell"));
    EXPECT_EQ(window->strAppPath(), files.path() + QStringLiteral("/"));
    EXPECT_EQ(window->returnAddressState().strReturnFile,
              files.path() + QStringLiteral("/ReturnAddress.txt"));
    EXPECT_EQ(window->returnAddressState().colAddresses->count(), 2);
    const auto* combo = window->control<QComboBox>(QStringLiteral("cboAddress"));
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Pat Example"));
    EXPECT_EQ(window->control<QListWidget>(QStringLiteral("lstFile"))->count(), 12);
    EXPECT_EQ(caption(*window, "lblPath"), window->returnAddressState().strReturnFile);
    EXPECT_EQ(caption(*window, "lblstatus(1)"), QStringLiteral("No Contacts Opened"));
    EXPECT_EQ(page(*window), 0);
    EXPECT_TRUE(window->blnNoContacts());
    EXPECT_TRUE(window->blnNoWord());
    EXPECT_EQ(window->varCurRow(), Variant(std::int16_t{1}));

    // The box shows the lines; the program reads them back with CR LF.
    EXPECT_EQ(text(*window, "txtReturn"),
              QStringLiteral("Pat Example\nPO Box 0\n\nSpringfield, ST 00000\n\n"));
    EXPECT_EQ(TextBoxText::get(window->control<QPlainTextEdit>(QStringLiteral("txtReturn"))),
              testing::secondEntryText());
}

TEST_F(frmEnvelopeTest, WithoutADefaultFileSaysSoOnceAndCarriesOn)
{
    const auto window = open();

    ASSERT_EQ(dialogs.messages().size(), 1U);
    const MessageBoxRequest& message = dialogs.messages()[0];
    EXPECT_EQ(message.text, QStringLiteral("No Return Address File Opened"));
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.title, QStringLiteral("Return Address Error"));
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(caption(*window, "lblstatus(1)"), QStringLiteral("No Contacts Opened"));
    EXPECT_EQ(caption(*window, "lblPath"), QStringLiteral("lblPath"));
    EXPECT_EQ(window->control<QComboBox>(QStringLiteral("cboAddress"))->currentText(),
              QStringLiteral("cboAddress"));
    EXPECT_TRUE(text(*window, "txtReturn").isEmpty());
    EXPECT_TRUE(text(*window, "txtAddress").isEmpty());
    EXPECT_EQ(page(*window), 0);
}

TEST_F(frmEnvelopeTest, WithFewerThanTwoEntriesStartUpStillFinishes)
{
    writeDefault(lines({"Solo", "1 Road", "", "Town", "", ""}));
    {
        const auto window = open();
        EXPECT_TRUE(dialogs.messages().empty());
        EXPECT_EQ(window->control<QComboBox>(QStringLiteral("cboAddress"))->currentIndex(), 0);
        EXPECT_EQ(text(*window, "txtReturn"), QStringLiteral("Solo\n1 Road\n\nTown\n\n"));
        EXPECT_EQ(caption(*window, "lblstatus(1)"), QStringLiteral("No Contacts Opened"));
    }
    writeDefault("");
    {
        const auto window = open();
        EXPECT_TRUE(dialogs.messages().empty());
        EXPECT_EQ(window->control<QComboBox>(QStringLiteral("cboAddress"))->currentIndex(), -1);
        EXPECT_EQ(caption(*window, "lblPath"), window->returnAddressState().strReturnFile);
        EXPECT_EQ(caption(*window, "lblstatus(1)"), QStringLiteral("No Contacts Opened"));
    }
    // A second item without an entry behind it is reported during start-up.
    writeDefault(lines({"Solo", "1 Road", "", "Town", "", "", "Half"}));
    {
        const auto window = open();
        EXPECT_EQ(dialogs.messageTexts(), QStringList{"Bad File Format"});
        EXPECT_FALSE(window->control<QListWidget>(QStringLiteral("lstFile"))->isHidden());
        EXPECT_EQ(caption(*window, "lblstatus(1)"), QStringLiteral("No Contacts Opened"));
    }
}

TEST_F(frmEnvelopeTest, OpensWithTheDesignedControlsVisibleAndFocusOnExit)
{
    writeDefault(kExample);
    const auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::setActiveWindow(window.get());

    QStringList visible;
    for (const ControlLayout& layout : LayoutTable::controls()) {
        if (window->control<QWidget>(layout.key())->isVisible()) {
            visible << layout.key();
        }
    }
    visible.sort();
    EXPECT_EQ(visible,
              (QStringList{"Frame4", "Picture1", "SSTab1", "cmdExit", "cmdPreview", "cmdPrint",
                           "lblstatus(0)", "lblstatus(1)", "picStamp", "txtAddress", "txtReturn"}));
    EXPECT_EQ(QApplication::focusWidget(), window->control<QWidget>(QStringLiteral("cmdExit")));

    window->control<TabControl>(QStringLiteral("SSTab1"))->setCurrentPage(2);
    EXPECT_TRUE(window->control<QRadioButton>(QStringLiteral("Option2(0)"))->isChecked());
    EXPECT_FALSE(window->control<QRadioButton>(QStringLiteral("Option2(1)"))->isChecked());
    EXPECT_EQ(window->control<QRadioButton>(QStringLiteral("Option2(1)"))->text(),
              QStringLiteral("Print Center"));
    EXPECT_FALSE(window->control<QListWidget>(QStringLiteral("lstFile"))->isVisible());
    EXPECT_TRUE(window->control<QComboBox>(QStringLiteral("cboAddress"))->isVisible());
}

TEST_F(frmEnvelopeTest, ChoosingAnItemShowsItsEntry)
{
    writeDefault(kExample);
    const auto window = open();
    auto* tabs = window->control<TabControl>(QStringLiteral("SSTab1"));
    tabs->setCurrentPage(2);
    auto* combo = window->control<QComboBox>(QStringLiteral("cboAddress"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);

    EXPECT_EQ(text(*window, "txtReturn"),
              QStringLiteral("Pat Example\nExample Widgets Co.\n100 Sample Road\n"
                             "Springfield, ST 00000\n\n"));
    EXPECT_EQ(tabs->currentPage(), 0);

    // Typing into the combo box's edit field selects nothing.
    tabs->setCurrentPage(2);
    window->show();
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("Pat Example"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(tabs->currentPage(), 2);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(frmEnvelopeTest, FileButtonLoadsAnotherFile)
{
    writeDefault(kExample);
    const auto window = open();
    window->show();
    const QString other = files.write(
        QStringLiteral("Other.txt"), lines({"A", "1", "", "X", "", "", "B", "2", "", "Y", "", ""}));
    dialogs.setNextFile(other);
    auto* button = window->control<QPushButton>(QStringLiteral("cmdAddFile"));
    window->control<TabControl>(QStringLiteral("SSTab1"))->setCurrentPage(2);
    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(caption(*window, "lblPath"), other);
    EXPECT_EQ(text(*window, "txtReturn"), QStringLiteral("B\n2\n\nY\n\n"));
    EXPECT_EQ(window->control<QComboBox>(QStringLiteral("cboAddress"))->currentText(),
              QStringLiteral("B"));
    EXPECT_EQ(page(*window), 0);

    // Cancelling keeps everything, including what the user typed.
    window->control<QPlainTextEdit>(QStringLiteral("txtReturn"))->setPlainText("mine");
    window->control<TabControl>(QStringLiteral("SSTab1"))->setCurrentPage(2);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(text(*window, "txtReturn"), QStringLiteral("mine"));
    EXPECT_EQ(caption(*window, "lblPath"), other);
    EXPECT_EQ(dialogs.fileRequests().size(), 2U);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(frmEnvelopeTest, ExitAndCloseBoxCloseTheWindow)
{
    writeDefault(kExample);
    for (const bool byButton : {true, false}) {
        const auto window = open();
        window->show();
        ASSERT_TRUE(window->isVisible());
        if (byButton) {
            QTest::mouseClick(window->control<QPushButton>(QStringLiteral("cmdExit")),
                              Qt::LeftButton);
        } else {
            window->close();
        }
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(frmEnvelopeTest, PrintSendsWhatTheBoxesHoldAndUnloadQuitsTheWordProcessor)
{
    writeDefault(kExample);
    auto window = open();
    window->show();
    window->control<QPlainTextEdit>(QStringLiteral("txtAddress"))->setPlainText("Jo\nElm St");
    window->control<QRadioButton>(QStringLiteral("Option2(1)"))->setChecked(true);
    EXPECT_FALSE(window->control<QRadioButton>(QStringLiteral("Option2(0)"))->isChecked());
    dialogs.setNextAnswer(MessageResult::Yes);
    QTest::mouseClick(window->control<QPushButton>(QStringLiteral("cmdPrint")), Qt::LeftButton);

    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Print Envelope?"});
    EXPECT_FALSE(window->blnNoWord());
    ASSERT_EQ(word->calls.last(), QStringLiteral("Envelope.PrintOut"));
    EXPECT_EQ(testing::describe(word->lastPrintOut[1]), QStringLiteral("str:Jo\r\nElm St"));
    EXPECT_EQ(testing::describe(word->lastPrintOut[4]), "str:" + testing::secondEntryText());
    EXPECT_EQ(testing::describe(word->lastPrintOut[17]), QStringLiteral("i32:4"));

    word->calls.clear();
    window->close();
    EXPECT_EQ(word->calls, QStringList{"Application.Quit(missing, missing, missing) document "
                                       "released: yes"});
    window.reset();
    EXPECT_EQ(word->calls.size(), 1);
}

TEST_F(frmEnvelopeTest, ContactsFromAPickedFolderAreBrowsedIntoTheRecipientBox)
{
    writeDefault(kExample);
    const auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    std::vector<testing::FakeContact> people;
    for (const char* name : {"Ann", "Ben", "Cy"}) {
        people.push_back({outlook::olContact, name, name, {}, QStringLiteral("1 Road\r\nTown")});
    }
    outlook->picks.push_back(
        std::make_shared<testing::FakeFolder>(outlook, "Friends", outlook::olContactItem, people));
    QTest::mouseClick(window->control<QPushButton>(QStringLiteral("cmdPreview")), Qt::LeftButton);

    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(page(*window), 1);
    EXPECT_EQ(caption(*window, "lblstatus(1)"), QStringLiteral("3 Contacts from Friends"));
    EXPECT_TRUE(window->control<QPushButton>(QStringLiteral("cmdNext"))->isVisible());
    EXPECT_FALSE(window->control<QWidget>(QStringLiteral("pbrContacts"))->isVisible());
    EXPECT_FALSE(window->blnNoContacts());

    auto* grid = window->control<FlexGrid>(QStringLiteral("MSFG1"));
    QCoreApplication::processEvents();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    EXPECT_EQ(text(*window, "txtAddress"), QStringLiteral("Ben\n1 Road\nTown"));
    EXPECT_EQ(page(*window), 0);

    // A click on the window's bare surface steps back (left) or on (right); one on a control
    // does not.
    const QPoint bare(5, 5);
    ASSERT_EQ(window->childAt(bare), nullptr);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, bare);
    EXPECT_EQ(text(*window, "txtAddress"), QStringLiteral("Ann\n1 Road\nTown"));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, bare);
    QTest::mouseClick(window.get(), Qt::RightButton, {}, bare);
    EXPECT_EQ(text(*window, "txtAddress"), QStringLiteral("Cy\n1 Road\nTown"));
    QTest::mouseClick(window->control<QLabel>(QStringLiteral("lblstatus(0)")), Qt::LeftButton);
    EXPECT_EQ(text(*window, "txtAddress"), QStringLiteral("Cy\n1 Road\nTown"));
    QTest::mouseClick(window->control<QPushButton>(QStringLiteral("cmdNext")), Qt::LeftButton);
    EXPECT_EQ(text(*window, "txtAddress"), QStringLiteral("Ann\n1 Road\nTown"));
}

TEST_F(frmEnvelopeTest, AccessKeysClickTheirButtonsAndTheHiddenHelpButtonStaysInert)
{
    writeDefault(kExample);
    const auto window = open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto spyOn = [&window](const char* name) {
        return std::make_unique<QSignalSpy>(window->control<QPushButton>(QString::fromLatin1(name)),
                                            &QPushButton::clicked);
    };

    const auto help = spyOn("cmdTest");
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_FALSE(window->control<QPushButton>(QStringLiteral("cmdTest"))->isDown());
    EXPECT_FALSE(help->wait(250));
    EXPECT_EQ(window->helpWindow(), nullptr);

    const auto useContact = spyOn("cmdPreview");
    QTest::keyClick(window.get(), Qt::Key_U, Qt::AltModifier);
    EXPECT_TRUE(useContact->wait(2000));

    dialogs.setNextAnswer(MessageResult::No);
    const auto print = spyOn("cmdPrint");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(print->wait(2000));
    EXPECT_TRUE(dialogs.messageTexts().contains(QStringLiteral("Print Envelope?")));

    const auto exit = spyOn("cmdExit");
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(exit->wait(2000));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(frmEnvelopeTest, F1OpensOneHelpWindowAndClosingItLeavesTheWindow)
{
    writeDefault(kExample);
    const auto window = open();
    window->show();
    const auto activate = [&window] {
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    };
    ASSERT_TRUE(activate());
    QTest::keyClick(window.get(), Qt::Key_F1);
    const QPointer<frmHelp> help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Addrell Help"));
    EXPECT_EQ(help->lblHelp()->text(), frmHelp::helpText());

    ASSERT_TRUE(activate());
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(window->helpWindow(), help.data());

    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
    EXPECT_EQ(window->helpWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
} // namespace addrell

namespace addrell {
namespace {
TEST_F(frmEnvelopeTest, TypingIntoTheComboBoxSelectsNothing)
{
    writeDefault(lines({"Alice", "1 A St", "", "Ay", "", "", "Carol", "3 C St", "", "Cy", "", "",
                        "Bob", "2 B St", "", "By", "", ""}));
    const auto window = open();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* combo = window->control<QComboBox>(QStringLiteral("cboAddress"));
    auto* tabs = window->control<TabControl>(QStringLiteral("SSTab1"));
    auto* box = window->control<QPlainTextEdit>(QStringLiteral("txtReturn"));
    enum class Finish { Return, Tab, FocusLeaves };
    const struct {
        const char* typed;
        Finish finish;
    } cases[] = {{"B", Finish::Return},
                 {"alice", Finish::Return},
                 {"alice", Finish::Tab},
                 {"B", Finish::FocusLeaves},
                 {"Bob", Finish::FocusLeaves}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        tabs->setCurrentPage(2);
        box->setPlainText(QStringLiteral("mine"));
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QString::fromLatin1(c.typed));
        switch (c.finish) {
        case Finish::Return:
            QTest::keyClick(combo, Qt::Key_Return);
            break;
        case Finish::Tab:
            QTest::keyClick(combo, Qt::Key_Tab);
            break;
        case Finish::FocusLeaves:
            window->control<QWidget>(QStringLiteral("cmdAddFile"))->setFocus();
            break;
        }
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(box->toPlainText(), QStringLiteral("mine"));
        EXPECT_EQ(tabs->currentPage(), 2);
    }
    EXPECT_TRUE(dialogs.messages().empty());
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Bob\n2 B St\n\nBy\n\n"));
    EXPECT_EQ(tabs->currentPage(), 0);
}
} // namespace
} // namespace addrell
