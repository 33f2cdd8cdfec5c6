#include "ReturnAddressSamples.h"
#include "WindowTest.h"
#include "ui/main_window/controls/FlexGrid.h"

namespace addrell {
namespace {

using BatchSelectionTest = testing::WindowTest;
using Rows = std::vector<std::int32_t>;

TEST_F(BatchSelectionTest, OnlyAPlainClickFillsTheRecipientAndPrintTakesTheSelection)
{
    const auto window = open(testing::twoEntryFile());
    std::vector<testing::FakeContact> people;
    for (const char* name : {"Ann", "Ben", "Cy", "Di"}) {
        people.push_back({outlook::olContact, name, name, {}, name[0] == 'C' ? " " : "1 Road"});
    }
    outlook->picks.push_back(
        std::make_shared<testing::FakeFolder>(outlook, "Friends", outlook::olContactItem, people));
    click(*window, "cmdPreview");
    auto* grid = get<FlexGrid>(*window, "MSFG1");
    QCoreApplication::processEvents();
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

} // namespace
} // namespace addrell
