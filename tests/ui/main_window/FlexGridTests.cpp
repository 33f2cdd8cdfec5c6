#include "automation/AutomationError.h"
#include "ui/main_window/FlexGrid.h"
#include "ui/main_window/FlexGridModel.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace addrell {
namespace {

class FlexGridTest : public ::testing::Test {
protected:
    FlexGridTest()
    {
        grid.resize(460, 260);
        grid.setRows(4);
        grid.setCols(3);
        grid.setFormatString(QStringLiteral("<    |<Name     |<Address      "));
        for (std::int32_t row = 1; row < 4; ++row) {
            grid.setTextMatrix(row, 1, QStringLiteral("Name %1").arg(row));
            grid.setTextMatrix(row, 2, QStringLiteral("Street %1\r\nTown").arg(row));
        }
        QCoreApplication::processEvents(); // cell changes are announced later
    }
    FlexGrid grid;
};

TEST_F(FlexGridTest, HeaderRowComesFromTheFormatStringAndSizesTheColumns)
{
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.TextMatrix(0, 1), QStringLiteral("Name     "));
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(),
              QStringLiteral("Address      "));
    EXPECT_EQ(grid.model()->rowCount(), 3);
    const QFontMetrics metrics(grid.horizontalHeader()->font());
    EXPECT_GT(grid.columnWidth(2), metrics.horizontalAdvance(QStringLiteral("Address")));
    EXPECT_LT(grid.columnWidth(0), grid.columnWidth(1));
    EXPECT_EQ(grid.model()
                      ->data(grid.model()->index(0, 1), Qt::TextAlignmentRole)
                      .value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
}

TEST_F(FlexGridTest, MultiLineCellsAreShownWholeAndReadBackUnchanged)
{
    EXPECT_EQ(grid.TextMatrix(2, 2), QStringLiteral("Street 2\r\nTown"));
    EXPECT_EQ(grid.model()->index(1, 2).data().toString(), QStringLiteral("Street 2\nTown"));
    EXPECT_GE(grid.rowHeight(0), 2 * grid.fontMetrics().lineSpacing());
}

TEST_F(FlexGridTest, CellsOutsideTheGridFailAndShrinkingDropsRows)
{
    for (const auto& [row, col] : {std::pair{4, 1}, {0, 3}, {-1, 0}}) {
        try {
            static_cast<void>(grid.TextMatrix(row, col));
            ADD_FAILURE() << row << "," << col;
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.number(), 381);
        }
    }
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setRows(2);
    EXPECT_EQ(grid.model()->rowCount(), 1);
    grid.setRows(3);
    EXPECT_EQ(grid.TextMatrix(2, 1), QString());
    EXPECT_EQ(grid.TextMatrix(1, 1), QStringLiteral("Name 1"));
}

TEST_F(FlexGridTest, ClickSelectsARowAndRaisesMouseUp)
{
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy mouseUp(&grid, &FlexGrid::mouseUp);
    const QRect cell = grid.visualRect(grid.model()->index(2, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(mouseUp.count(), 1);
    EXPECT_EQ(grid.RowSel(), 3);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, cell.center());
    EXPECT_EQ(mouseUp.count(), 2);
}

} // namespace
} // namespace addrell

namespace addrell {
namespace {
TEST_F(FlexGridTest, RowsFitEachFillAndShowAtMostSixLines)
{
    const QString tall = QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    grid.setTextMatrix(1, 2, tall);
    QCoreApplication::processEvents();
    const int line = grid.fontMetrics().lineSpacing();
    EXPECT_EQ(grid.TextMatrix(1, 2), tall);
    EXPECT_GE(grid.rowHeight(0), 6 * line);
    EXPECT_LT(grid.rowHeight(0), 7 * line);
    EXPECT_EQ(grid.model()->index(0, 2).data().toString(), QStringLiteral("1\n2\n3\n4\n5\n6"));

    grid.setRows(2);
    grid.setTextMatrix(1, 2, QStringLiteral("Street\r\nTown"));
    QCoreApplication::processEvents();
    EXPECT_LT(grid.rowHeight(0), 3 * line);
}
} // namespace
} // namespace addrell
