#include "ReturnAddressSamples.h"
#include "WindowTest.h"
#include "ui/main_window/controls/FlexGrid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

namespace addrell {
namespace {

using testing::lines;
using frmEnvelopeTest = testing::WindowTest;

const QByteArray kExample = testing::twoEntryFile();

TEST_F(frmEnvelopeTest, StartUpSelectsTheSecondItemOfTheDefaultFileAndFillingSelectsNone)
{
    // The default file (none at all for nullopt), the messages, the item selected, txtReturn.
    const std::tuple<std::optional<QByteArray>, QStringList, int, QString> cases[] = {
        {kExample, {}, 1, testing::secondEntryText()},
        {lines({"Solo", "1", "", "X", "", ""}), {}, 0, "Solo\r\n1\r\n\r\nX\r\n\r\n"},
        {QByteArray(), {}, -1, ""},
        {std::nullopt, {"No Return Address File Opened"}, -1, ""},
    };
    for (const auto& [file, messages, index, returnText] : cases) {
        SCOPED_TRACE(index);
        dialogs.clear();
        const auto window = open(file);
        EXPECT_EQ(dialogs.messageTexts(), messages);
        EXPECT_EQ(get<QComboBox>(*window, "cboAddress")->currentIndex(), index);
        EXPECT_EQ(text(*window, "txtReturn"), returnText);
        EXPECT_EQ(caption(*window, "lblPath"),
                  file ? files.path() + "/ReturnAddress.txt" : QStringLiteral("lblPath"));
        EXPECT_EQ(tabs(*window)->currentPage(), 0);
    }
    EXPECT_EQ(dialogs.messages().at(0).icon, MessageIcon::Information);

    // Filling the box selects nothing: it keeps its initial text and txtReturn stays empty.
    const auto window = open(std::nullopt);
    ASSERT_TRUE(window->OpenFile(files.write("Other.txt", kExample)));
    window->FillCombo();
    const auto* combo = get<QComboBox>(*window, "cboAddress");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "cboAddress");
    EXPECT_EQ(text(*window, "txtReturn"), "");
}

TEST_F(frmEnvelopeTest, OnlyAChoiceFromTheListOrTheFileButtonSelects)
{
    const auto window = open(lines({"Alice", "1", "", "A", "", "", "Carol", "3", "", "C", "", "",
                                    "Bob", "2", "", "B", "", ""}));
    auto* combo = get<QComboBox>(*window, "cboAddress");
    // Typed text, even a prefix or another case of a name, selects nothing however the typing
    // ends: Return, Tab, or the focus moving elsewhere (Key_unknown).
    for (const auto& [typed, end] : {std::pair{"B", Qt::Key_Return},
                                     {"alice", Qt::Key_Return},
                                     {"alice", Qt::Key_Tab},
                                     {"B", Qt::Key_unknown},
                                     {"Bob", Qt::Key_unknown}}) {
        SCOPED_TRACE(typed);
        tabs(*window)->setCurrentPage(2);
        get<TextBox>(*window, "txtReturn")->setPlainText("mine");
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, typed);
        EXPECT_EQ(combo->currentText(), typed); // not completed to a name
        end == Qt::Key_unknown ? get(*window, "cmdAddFile")->setFocus()
                               : QTest::keyClick(combo, end);
        EXPECT_EQ(combo->currentIndex(), 1);
        EXPECT_EQ(text(*window, "txtReturn"), "mine");
        EXPECT_EQ(tabs(*window)->currentPage(), 2);
    }
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(text(*window, "txtReturn"), "Bob\r\n2\r\n\r\nB\r\n\r\n");
    EXPECT_EQ(tabs(*window)->currentPage(), 0);

    // The file button loads another file and selects its second item.
    const QString other =
        files.write("Other.txt", lines({"X", "", "", "", "", "", "Y", "2", "", "", "", ""}));
    dialogs.setNextFile(other);
    tabs(*window)->setCurrentPage(2);
    click(*window, "cmdAddFile");
    EXPECT_EQ(caption(*window, "lblPath"), other);
    EXPECT_EQ(text(*window, "txtReturn"), "Y\r\n2\r\n\r\n\r\n\r\n");
    EXPECT_EQ(combo->currentText(), "Y");
    EXPECT_EQ(tabs(*window)->currentPage(), 0);
    EXPECT_TRUE(dialogs.messages().empty());
}

// The feed and the file opened with the button are kept for the next start; a kept file that
// is gone gives way to the user's own file, then to the sample beside the program.
TEST_F(frmEnvelopeTest, TheFeedAndTheLastOpenedFileAreThereAgainAtTheNextStart)
{
    auto window = open(kExample);
    EXPECT_TRUE(get<QRadioButton>(*window, "Option2(0)")->isChecked());
    tabs(*window)->setCurrentPage(2);
    QTest::mouseClick(get<QRadioButton>(*window, "Option2(1)"), Qt::LeftButton);
    const QString kept =
        files.write("mine/Home.txt",
                    lines({"Home", "1 Elm", "", "H", "", "-", "Work", "2 Oak", "", "W", "", "-"}));
    dialogs.setNextFile(kept);
    click(*window, "cmdAddFile");
    window.reset();

    window = open(kExample);
    EXPECT_TRUE(get<QRadioButton>(*window, "Option2(1)")->isChecked());
    EXPECT_EQ(caption(*window, "lblPath"), kept);
    EXPECT_EQ(text(*window, "txtReturn"), "Work\r\n2 Oak\r\n\r\nW\r\n\r\n");
    tabs(*window)->setCurrentPage(2);
    QTest::mouseClick(get<QRadioButton>(*window, "Option2(0)"), Qt::LeftButton);
    window.reset();

    ASSERT_TRUE(QFile::remove(kept));
    const QString own = files.write("config/addrell/ReturnAddress.txt", kExample);
    window = open(kExample);
    EXPECT_TRUE(get<QRadioButton>(*window, "Option2(0)")->isChecked());
    EXPECT_EQ(caption(*window, "lblPath"), own);
    ASSERT_TRUE(QFile::remove(own));
    window = open(kExample);
    EXPECT_EQ(caption(*window, "lblPath"), files.path() + "/ReturnAddress.txt");
    EXPECT_TRUE(dialogs.messages().empty());
}

// Word is told to quit on closing only when a print started it; never started, or declined at
// "Print Envelope?", it is left alone, whether Exit or the close box ends the program.
TEST_F(frmEnvelopeTest, PrintSendsTheBoxesAndClosingQuitsWordOnlyWhenItWasStarted)
{
    for (const auto answer : {MessageResult::Yes, MessageResult::No, MessageResult::Ok}) {
        SCOPED_TRACE(static_cast<int>(answer));
        word->calls.clear();
        auto window = open(kExample);
        get<TextBox>(*window, "txtAddress")->setPlainText("Jo\nElm St");
        get<QRadioButton>(*window, "Option2(1)")->setChecked(true);
        if (answer != MessageResult::Ok) { // Ok: nothing printed
            dialogs.setNextAnswer(answer);
            click(*window, "cmdPrint");
        }
        const bool printed = answer == MessageResult::Yes;
        EXPECT_EQ(word->calls.contains("Envelope.PrintOut"), printed);
        if (printed) {
            EXPECT_EQ(testing::describe(word->lastPrintOut[1]), "str:Jo\r\nElm St");
            EXPECT_EQ(testing::describe(word->lastPrintOut[4]),
                      "str:" + testing::secondEntryText());
            EXPECT_EQ(testing::describe(word->lastPrintOut[17]), "i32:4");
        }
        printed ? void(window->close()) : click(*window, "cmdExit");
        EXPECT_FALSE(window->isVisible());
        window.reset();
        EXPECT_EQ(word->calls.filter("Application.Quit").size(), printed ? 1 : 0);
    }
}

TEST_F(frmEnvelopeTest, ContactsFromAPickedFolderAreBrowsedIntoTheRecipientBox)
{
    const auto window = open(kExample);
    pickFolder(*window, {"Ann|1 Road\r\nTown", "Ben|1 Road\r\nTown", "Cy|1 Road\r\nTown"});
    EXPECT_EQ(tabs(*window)->currentPage(), 1);
    EXPECT_EQ(caption(*window, "lblstatus(1)"), "3 Contacts from Friends");
    EXPECT_TRUE(get(*window, "cmdNext")->isVisible());
    EXPECT_FALSE(get(*window, "pbrContacts")->isVisible());

    auto* grid = get<FlexGrid>(*window, "MSFG1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    EXPECT_EQ(text(*window, "txtAddress"), "Ben\r\n1 Road\r\nTown");
    EXPECT_EQ(tabs(*window)->currentPage(), 0);

    // A press on the window's bare surface steps back (left) or on (right); one on a control
    // does not.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(text(*window, "txtAddress"), "Ann\r\n1 Road\r\nTown");
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(get(*window, "lblstatus(0)"), Qt::LeftButton);
    EXPECT_EQ(text(*window, "txtAddress"), "Cy\r\n1 Road\r\nTown");
    click(*window, "cmdNext");
    EXPECT_EQ(text(*window, "txtAddress"), "Ann\r\n1 Road\r\nTown");
}

TEST_F(frmEnvelopeTest, KeysClickTheirButtonsAndF1OpensOneHelpWindow)
{
    const auto window = open(kExample);
    const auto activate = [&window] {
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    };
    const auto press = [&](Qt::Key key, const char* button) {
        QSignalSpy clicked(get<QPushButton>(*window, button), &QPushButton::clicked);
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        return clicked.wait(key == Qt::Key_H ? 250 : 2000);
    };
    EXPECT_FALSE(press(Qt::Key_H, "cmdTest")); // hidden, so inert
    EXPECT_TRUE(press(Qt::Key_U, "cmdPreview"));
    dialogs.setNextAnswer(MessageResult::No);
    EXPECT_TRUE(press(Qt::Key_P, "cmdPrint"));
    EXPECT_TRUE(dialogs.messageTexts().contains("Print Envelope?"));

    for (int times = 0; times < 2; ++times) { // one window, however often F1 is pressed
        ASSERT_TRUE(activate());
        QTest::keyClick(window.get(), Qt::Key_F1);
    }
    const QPointer<frmHelp> help = window->helpWindow();
    ASSERT_TRUE(help != nullptr && help->isVisible());
    EXPECT_EQ(window->findChildren<frmHelp*>().size(), 1);
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->helpWindow(), nullptr);
    ASSERT_TRUE(activate());
    EXPECT_TRUE(press(Qt::Key_X, "cmdExit"));
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace addrell
