#include "servers/envelope_printer/render/EnvelopeRenderer.h"
#include "servers/envelope_printer/render/AddressBlock.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

// At two pixels a point, a 684 x 297 pt envelope and its postal zones: the read area runs from
// 2 3/4 in to 5/8 in above the bottom and 1/2 in from each side; the return address stays above
// it and left of 4 in.
const QSize kEnvelope(1368, 594);
const QRect kReadArea(QPoint(72, 198), QPoint(1296, 503));
const QRect kReturnArea(0, 0, 576, 198);

// Where the dark pixels of a region are, and how many bands of rows with ink (one per text line)
// blank rows separate.
struct Ink {
    QRect bounds;
    int lines = 0;
};

Ink inkIn(const QImage& image, QRect region)
{
    Ink ink;
    bool inLine = false;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        bool rowInk = false;
        for (int x = region.left(); x <= region.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink.bounds |= QRect(x, y, 1, 1);
                rowInk = true;
            }
        }
        ink.lines += rowInk && !inLine ? 1 : 0;
        inLine = rowInk;
    }
    return ink;
}

// The two addresses on the page, turned back upright.
std::pair<Ink, Ink> render(const QString& from, const QString& to, int orientation)
{
    const EnvelopeJob job(from, to, 9.5f * 72.0f, 4.13f * 72.0f, orientation, orientation == 4);
    QImage page = EnvelopeRenderer(job).toImage(144.0);
    if (orientation >= 3) { // landscape feeds turn it counter-clockwise, clockwise ones clockwise
        page = page.transformed(QTransform().rotate(orientation >= 6 ? -90 : 90));
    }
    EXPECT_EQ(page.size(), kEnvelope);
    const int top = kReadArea.top();
    return {inkIn(page, QRect(0, 0, kEnvelope.width(), top)),
            inkIn(page, QRect(0, top, kEnvelope.width(), kEnvelope.height() - top))};
}

TEST(EnvelopeRendererTest, EveryFeedPutsTheAddressesWhereThePostOfficeReadsThem)
{
    for (int orientation = 0; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const auto [from, to] =
            render(QStringLiteral("MARY ELLEN HART\r\n1 NORTH LANE\r\nTHE TOWN IL 60000"),
                   QStringLiteral("HENRY HALL\r\nWIDGET MILL\r\n1234 ELM AVENUE\r\nCITY IL 62704"),
                   orientation);
        // Return address 0.4 in from the left, 0.25 in down (capitals start a little lower);
        // the delivery address about 4 in from the left.
        EXPECT_LE((from.bounds.topLeft() - QPoint(58, 42)).manhattanLength(), 12);
        EXPECT_NEAR(to.bounds.left(), kReturnArea.right(), 8);
        EXPECT_TRUE(kReturnArea.contains(from.bounds));
        EXPECT_TRUE(kReadArea.contains(to.bounds));
        EXPECT_EQ(from.lines, 3);
        EXPECT_EQ(to.lines, 4);
    }
}

TEST(EnvelopeRendererTest, LongAndManyLinesShrinkToStayInsideTheirAreas)
{
    // Every kind of line break counts; blank lines at the end do not.
    EXPECT_EQ(AddressBlock::splitLines(QStringLiteral("A\r\n\r\nB\rC\n \r\n")),
              (QStringList{"A", "", "B", "C"}));
    const QString tall = QString(150, u'W') + QStringLiteral("\rHIGH STREET\n").repeated(11);
    const auto [from, to] = render(QString(150, u'M'), tall, 0);
    EXPECT_LE(from.bounds.right(), kEnvelope.width() / 2);
    EXPECT_TRUE(kReadArea.contains(to.bounds));
    EXPECT_EQ(to.lines, 12);
}

} // namespace
} // namespace addrell
