#include "servers/envelope_printer/AddressBlock.h"

#include <QImage>
#include <gtest/gtest.h>

namespace addrell {
namespace {

TEST(AddressBlockTest, SplitsAtEveryLineBreakKindAndDropsTrailingBlankLines)
{
    const QStringList want{QStringLiteral("A"), QString(), QStringLiteral("B"),
                           QStringLiteral("C")};
    EXPECT_EQ(AddressBlock::splitLines(QStringLiteral("A\r\n\r\nB\r\nC\r\n")), want);
    EXPECT_EQ(AddressBlock::splitLines(QStringLiteral("A\n\nB\rC\n \r\n")), want);
}

TEST(AddressBlockTest, PastTheSmallestSizesLinesAreCutShortOrLeftOut)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const AddressBlock wide =
        AddressBlock::fit(QString(500, QLatin1Char('W')), 12, QSizeF(100, 50), device);
    EXPECT_DOUBLE_EQ(wide.pointSize(), AddressBlock::kMinimumWidthPoints);
    EXPECT_TRUE(wide.lines().constFirst().endsWith(QChar(0x2026)));
    EXPECT_LE(wide.size().width(), 100);

    const QString many = QStringList(500, QStringLiteral("x")).join(QStringLiteral("\n"));
    const AddressBlock tall = AddressBlock::fit(many, 12, QSizeF(100, 50), device);
    EXPECT_DOUBLE_EQ(tall.pointSize(), AddressBlock::kFloorPoints);
    EXPECT_GT(tall.lines().size(), 0);
    EXPECT_LT(tall.lines().size(), 500);
    EXPECT_LE(tall.size().height(), 50);
}

} // namespace
} // namespace addrell
