#include "servers/envelope_printer/EnvelopeRenderer.h"
#include "InkScan.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

using test::inkBands;
using test::inkBounds;

// Two pixels a point. Postal zones of a 684 x 297 pt envelope in those pixels: the read area
// runs from 2 3/4 in to 5/8 in above the bottom and 1/2 in from each side.
constexpr double kDpi = 144.0;
constexpr int kWidth = 1368;
constexpr int kHeight = 594;
constexpr int kReadTop = 198;
constexpr int kBarcodeTop = 504;
constexpr int kReadLeft = 72;
constexpr int kReadRight = 1296;
constexpr int kFourInches = 576;

const QString kFrom = QStringLiteral("MARY ELLEN HART\r\n1 NORTH LANE\r\nTHE TOWN IL 60000");
const QString kTo =
    QStringLiteral("HENRY HALL\r\nTHE WIDGET MILL\r\n1234 ELM AVENUE\r\nTHE CITY IL 62704");

struct Blocks {
    QImage envelope; // upright, whatever the feed
    QRect from;
    QRect to;
};

Blocks render(const QString& to, int orientation = 0, bool faceUp = true,
              const QString& from = kFrom)
{
    const EnvelopeJob job(from, to, 9.5f * 72.0f, 4.13f * 72.0f, orientation, faceUp);
    QImage page = EnvelopeRenderer(job).toImage(kDpi);
    // Undo the quarter turn of the short-edge feeds: landscape and clockwise.
    if (orientation >= 3) {
        page = page.transformed(QTransform().rotate(orientation >= 6 ? -90 : 90));
    }
    return {page, inkBounds(page, QRect(0, 0, kWidth, kReadTop)),
            inkBounds(page, QRect(0, kReadTop, kWidth, kHeight - kReadTop))};
}

class EnvelopeFeedTest : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(EnvelopeFeedTest, PutsTheAddressesWhereThePostOfficeReadsThem)
{
    const Blocks blocks = render(kTo, GetParam().first, GetParam().second);
    ASSERT_EQ(blocks.envelope.size(), QSize(kWidth, kHeight));

    // Return address: 0.4 in from the left, 0.25 in down (capitals start a little lower).
    EXPECT_NEAR(blocks.from.left(), 58, 6);
    EXPECT_NEAR(blocks.from.top(), 42, 8);
    EXPECT_LT(blocks.from.right(), kFourInches);
    EXPECT_EQ(inkBands(blocks.envelope, blocks.from), 3);

    // Delivery address: about 4 in from the left, inside the read area, the barcode zone clear.
    EXPECT_NEAR(blocks.to.left(), kFourInches, 8);
    EXPECT_LE(blocks.to.right(), kReadRight);
    EXPECT_TRUE(inkBounds(blocks.envelope, QRect(0, kBarcodeTop, kWidth, kHeight)).isEmpty());
    EXPECT_EQ(inkBands(blocks.envelope, blocks.to), 4);
}

INSTANTIATE_TEST_SUITE_P(PrintCenterAndPrintRight, EnvelopeFeedTest,
                         ::testing::Values(std::pair(4, true), std::pair(6, false)));

TEST(EnvelopeRendererTest, EveryLineBreakKindKeepsTheLines)
{
    for (const QString& separator :
         {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r")}) {
        const Blocks blocks = render(QString(kTo).replace(QStringLiteral("\r\n"), separator));
        EXPECT_EQ(inkBands(blocks.envelope, blocks.to), 4) << separator.toStdString();
    }
}

TEST(EnvelopeRendererTest, LongOrTallAddressesStayInsideTheirAreas)
{
    const Blocks longLines = render(QString(150, QLatin1Char('W')) + QStringLiteral("\r\nCITY"), 0,
                                    true, QString(150, QLatin1Char('M')));
    EXPECT_LT(longLines.from.right(), kReadRight);
    EXPECT_GE(longLines.to.left(), kReadLeft);
    EXPECT_LE(longLines.to.right(), kReadRight);
    EXPECT_EQ(inkBands(longLines.envelope, longLines.to), 2);

    const Blocks twelve = render(QStringList(12, QStringLiteral("HIGH STREET")).join(u'\n'));
    EXPECT_EQ(inkBands(twelve.envelope, twelve.to), 12);
    EXPECT_LT(twelve.to.bottom(), kBarcodeTop);
    EXPECT_LT(twelve.from.right(), kFourInches); // nothing spilled up beside the return address
}

TEST(EnvelopeRendererTest, EveryOrientationKeepsBothAddressesWhole)
{
    const Blocks upright = render(kTo);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const Blocks turned = render(kTo, orientation, orientation % 2 == 0);
        ASSERT_EQ(turned.envelope.size(), upright.envelope.size()) << orientation;
        for (const auto& [got, want] :
             {std::pair(turned.from, upright.from), std::pair(turned.to, upright.to)}) {
            EXPECT_LE((got.topLeft() - want.topLeft()).manhattanLength(), 3) << orientation;
            EXPECT_LE((got.bottomRight() - want.bottomRight()).manhattanLength(), 3) << orientation;
        }
    }
}

} // namespace
} // namespace addrell
