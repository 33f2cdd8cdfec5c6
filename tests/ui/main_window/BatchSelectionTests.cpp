#include "ReturnAddressSamples.h"
#include "WindowTest.h"
#include "ui/main_window/controls/FlexGrid.h"

#include <QSignalSpy>

#include <functional>

namespace addrell {
namespace {

using BatchSelectionTest = testing::WindowTest;
using Rows = std::vector<std::int32_t>;

TEST_F(BatchSelectionTest, OnlyAPlainClickFillsTheRecipientAndPrintTakesTheSelection)
{
    const auto window = open(testing::twoEntryFile());
    pickFolder(*window, {"Ann|1 Road", "Ben|1 Road", "Cy| ", "Di|1 Road"});
    auto* grid = get<FlexGrid>(*window, "MSFG1");
    const auto clickRow = [grid](int row, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, keys,
                          grid->visualRect(grid->model()->index(row - 1, 1)).center());
    };

    clickRow(2);
    EXPECT_EQ(grid->selectedRows(), Rows{2});
    EXPECT_EQ(text(*window, "txtAddress"), "Ben\r\n1 Road");
    EXPECT_EQ(tabs(*window)->currentPage(), 0);

    tabs(*window)->setCurrentPage(1);
    clickRow(4, Qt::ControlModifier);
    EXPECT_EQ(grid->selectedRows(), (Rows{2, 4}));
    clickRow(1, Qt::ShiftModifier);
    EXPECT_EQ(grid->selectedRows(), (Rows{1, 2, 3, 4}));
    EXPECT_EQ(text(*window, "txtAddress"), "Ben\r\n1 Road");
    EXPECT_EQ(tabs(*window)->currentPage(), 1);

    // The keyboard: an arrow alone selects one row, with Shift it extends; Ctrl+A takes all.
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->selectedRows(), Rows{2});
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->selectedRows(), (Rows{2, 3, 4}));
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->selectedRows(), (Rows{1, 2, 3, 4}));

    // Print: Word started, four envelopes confirmed, the contact with a blank address left out.
    for (const auto answer : {MessageResult::Yes, MessageResult::Yes, MessageResult::No}) {
        dialogs.setNextAnswer(answer);
    }
    click(*window, "cmdPrint");
    ASSERT_EQ(word->batch.size(), 3U);
    EXPECT_EQ(testing::describe(word->batch[1][1]), "str:Ben\r\n1 Road");
    EXPECT_EQ(testing::describe(word->batch[2][4]), "str:" + testing::secondEntryText());
    EXPECT_EQ(caption(*window, "lblstatus(1)"), "3 envelopes sent to EnvPDF");
    EXPECT_FALSE(get(*window, "pbrContacts")->isVisible());
    EXPECT_EQ(text(*window, "txtAddress"), "Ben\r\n1 Road");
}

// A plain press selects the row it is released on, whatever lay between; and whatever else fills
// the recipient ends a selection of several rows, so Print prints what the Envelope page shows.
TEST_F(BatchSelectionTest, RowsArePrintedTogetherOnlyWhileSelectedOnPurpose)
{
    const auto window = open(testing::twoEntryFile());
    const auto load = [this, &window](const char* folder) {
        pickFolder(*window, {"Ann|1 Road", "Ben|1 Road", "Cy|1 Road", "Di|1 Road"}, folder);
    };
    load("Friends");
    auto* grid = get<FlexGrid>(*window, "MSFG1");
    auto* viewport = grid->viewport();
    const auto at = [grid](int row) {
        return grid->visualRect(grid->model()->index(row - 1, 1)).center();
    };
    const auto printsOnlyTheRecipient = [&] {
        word->batch.clear();
        click(*window, "cmdPrint");
        EXPECT_TRUE(word->batch.empty());
        EXPECT_EQ(testing::describe(word->lastPrintOut[1]), "str:" + text(*window, "txtAddress"));
        word->lastPrintOut[1] = Variant();
    };

    QSignalSpy mouseUps(grid, &FlexGrid::mouseUp);
    QTest::mousePress(viewport, Qt::LeftButton, {}, at(1));
    QTest::mouseMove(viewport, at(2));
    QTest::mouseMove(viewport, at(3));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(3));
    EXPECT_EQ(mouseUps.size(), 1);
    EXPECT_EQ(grid->selectedRows(), Rows{3});
    EXPECT_EQ(text(*window, "txtAddress"), "Cy\r\n1 Road");
    dialogs.setNextAnswer(MessageResult::Yes); // Word is started
    printsOnlyTheRecipient();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Print Envelope?"});

    // Each way of filling the recipient, after Ctrl+clicks selected several rows.
    const std::pair<const char*, std::function<void()>> fills[] = {
        {"plain click", [&] { QTest::mouseClick(viewport, Qt::LeftButton, {}, at(2)); }},
        {"<", [&] { click(*window, "cmdPrevious"); }},
        {">", [&] { click(*window, "cmdNext"); }},
        {"typing",
         [&] {
             tabs(*window)->setCurrentPage(0);
             QTest::keyClicks(get(*window, "txtAddress"), "x");
         }},
        {"Use Contact",
         [&] {
             outlook->selection = {{outlook::olContact, "", "Eve", {}, "2 Lane"}};
             click(*window, "cmdPreview");
             outlook->selection.clear();
         }},
        {"a new folder", [&] { load("Family"); }},
    };
    for (const auto& [how, fill] : fills) {
        SCOPED_TRACE(how);
        tabs(*window)->setCurrentPage(1);
        for (const int row : {1, 4}) {
            if (!grid->selectionModel()->isRowSelected(row - 1)) {
                QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, at(row));
            }
        }
        ASSERT_GE(grid->selectedRows().size(), 2U);
        fill();
        EXPECT_LE(grid->selectedRows().size(), 1U);
        printsOnlyTheRecipient();
    }
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Print Envelope?"});
}

} // namespace
} // namespace addrell
