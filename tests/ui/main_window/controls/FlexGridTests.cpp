#include "automation/AutomationError.h"
#include "ui/main_window/controls/FlexGrid.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace addrell {
namespace {

class FlexGridTest : public ::testing::Test {
protected:
    FlexGridTest()
    {
        grid.setRows(4);
        grid.setCols(3);
        grid.setFormatString("<    |<Name     |<Address      ");
        fill("Street %1\r\nTown");
    }
    void fill(const QString& address)
    {
        for (std::int32_t row = 1; row < grid.Rows(); ++row) {
            grid.setTextMatrix(row, 1, QStringLiteral("Name %1").arg(row));
            grid.setTextMatrix(row, 2, address.arg(row));
        }
        QCoreApplication::processEvents(); // cell changes are announced later
    }
    [[nodiscard]] QVariant shown(int row, int col, int role = Qt::DisplayRole) const
    {
        return grid.model()->index(row - 1, col).data(role);
    }
    FlexGrid grid;
};

TEST_F(FlexGridTest, HeaderRowComesFromTheFormatStringAndSizesTheColumns)
{
    EXPECT_EQ(grid.TextMatrix(0, 1), "Name     ");
    EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), "Address      ");
    EXPECT_EQ(grid.model()->rowCount(), 3);
    EXPECT_LT(grid.columnWidth(0), grid.columnWidth(1));
    EXPECT_LT(grid.columnWidth(1), grid.columnWidth(2));
    EXPECT_EQ(shown(1, 1, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignTop | Qt::AlignLeft);
}

TEST_F(FlexGridTest, RowsFitEachFillAndShowAtMostSixLines)
{
    const int line = grid.fontMetrics().lineSpacing();
    EXPECT_EQ(grid.TextMatrix(2, 2), "Street 2\r\nTown");
    EXPECT_EQ(shown(2, 2), "Street 2\nTown");
    EXPECT_GE(grid.rowHeight(0), 2 * line);

    // A tall address shows six lines; the cell still gives the whole text.
    const QString tall = QStringLiteral("%1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    fill(tall);
    EXPECT_EQ(grid.TextMatrix(1, 2), tall.arg(1));
    EXPECT_EQ(shown(1, 2), "1\n2\n3\n4\n5\n6");
    EXPECT_GE(grid.rowHeight(0), 6 * line);
    EXPECT_LT(grid.rowHeight(0), 7 * line);

    // The next fill, with short addresses, has short rows again.
    grid.setRows(2);
    fill("Street %1");
    EXPECT_LT(grid.rowHeight(0), 2 * line);
}

TEST_F(FlexGridTest, CellsOutsideTheGridFailAndShrinkingDropsRows)
{
    EXPECT_THROW(static_cast<void>(grid.TextMatrix(4, 1)), AutomationError);
    EXPECT_THROW(grid.setTextMatrix(0, 3, "x"), AutomationError);
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.setRows(2);
    EXPECT_EQ(grid.model()->rowCount(), 1);
    grid.setRows(3);
    EXPECT_EQ(grid.TextMatrix(2, 1), "");
    EXPECT_EQ(grid.TextMatrix(1, 1), "Name 1");
}

} // namespace
} // namespace addrell
