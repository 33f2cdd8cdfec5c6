#include "servers/envelope_printer/render/EnvelopeRenderer.h"
#include "envelopes/EnvelopeSizes.h"
#include "servers/envelope_printer/render/AddressBlock.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace addrell {
namespace {

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

const QString kFrom = QStringLiteral("MARY ELLEN HART\r\n1 NORTH LANE\r\nTHE TOWN IL 60000");
const QString kTo = QStringLiteral("HENRY HALL\r\nWIDGET MILL\r\n1234 ELM AVENUE\r\nCITY IL 62704");

// The envelope, turned back upright, as the program passes the size: landscape feeds turn it
// counter-clockwise, clockwise ones clockwise, portrait ones not at all.
QImage uprightPage(const EnvelopeSize& size, int orientation, const EnvelopeLayout& layout = {},
                   const QString& from = kFrom, const QString& to = kTo, double dpi = 72.0)
{
    const EnvelopeJob job(from, to, static_cast<float>(size.widthInches()) * 72.0F,
                          static_cast<float>(size.heightInches()) * 72.0F, orientation,
                          orientation == 4, layout);
    const QImage page = EnvelopeRenderer(job).toImage(dpi);
    return orientation < EnvelopeJob::kLeftLandscape
               ? page
               : page.transformed(QTransform().rotate(orientation >= 6 ? -90 : 90));
}

// Ink above and below a line across the envelope: the return and the delivery address.
std::pair<Ink, Ink> blocks(const QImage& page, int splitY)
{
    return {inkIn(page, QRect(0, 0, page.width(), splitY)),
            inkIn(page, QRect(0, splitY, page.width(), page.height() - splitY))};
}

TEST(EnvelopeRendererTest, EverySizeAndFeedIsItsOwnPageWithTheAddressesInThePostsZones)
{
    constexpr double mm = 72.0 / 25.4;
    for (const EnvelopeSize& size : EnvelopeSizes::all()) {
        const QSizeF points(static_cast<float>(size.widthInches()) * 72.0F,
                            static_cast<float>(size.heightInches()) * 72.0F);
        const double w = std::round(points.width());
        const double h = std::round(points.height());
        // US: the read area; ISO: from 40 % down and half-way across to 15 mm from the edges.
        const bool iso = size.unit() == EnvelopeSize::Unit::Millimeter;
        const QRectF delivery =
            iso ? QRectF(QPointF(w / 2, 0.4 * h), QPointF(w - 15 * mm, h - 15 * mm))
                : QRectF(QPointF(36, std::max(h - 198, h / 3)), QPointF(w - 36, h - 45));
        const QRectF returnArea(QPointF(0, 0), QPointF(w / 2, delivery.top()));
        // Every feed of the #10 envelope; the two the options use for the others.
        const bool number10 = size.key() == EnvelopeSizes::number10().key();
        for (int orientation = 0; orientation <= 8; ++orientation) {
            if (!number10 && orientation != EnvelopeJob::kCenterLandscape &&
                orientation != EnvelopeJob::kLeftClockwise) {
                continue;
            }
            SCOPED_TRACE(QStringLiteral("%1, orientation %2")
                             .arg(size.name())
                             .arg(orientation)
                             .toStdString());
            const EnvelopeJob job(kFrom, kTo, points.width(), points.height(), orientation, true);
            // Short edge first: the page is the envelope standing, never another size.
            if (orientation >= EnvelopeJob::kLeftLandscape) {
                EXPECT_EQ(EnvelopeRenderer(job).pageSize().size(QPageSize::Point), QSizeF(h, w));
            }
            const QImage page = uprightPage(size, orientation);
            EXPECT_EQ(page.size(), QSize(int(w), int(h)));
            const auto [from, to] = blocks(page, int(delivery.top()));
            EXPECT_TRUE(returnArea.contains(from.bounds))
                << from.bounds.x() << "," << from.bounds.y();
            EXPECT_TRUE(delivery.contains(to.bounds))
                << to.bounds.x() << "," << to.bounds.y() << " " << to.bounds.width() << "x"
                << to.bounds.height();
            EXPECT_EQ(std::pair(from.lines, to.lines), std::pair(3, 4));
            if (number10) {
                // Return address 0.4 in from the left, 0.25 in down (capitals start a little
                // lower), left of 4 in; the delivery address about 4 in from the left.
                EXPECT_LE((from.bounds.topLeft() - QPoint(29, 21)).manhattanLength(), 6);
                EXPECT_LT(from.bounds.right(), 288);
                EXPECT_NEAR(to.bounds.left(), 288, 4);
            }
        }
    }
}

TEST(EnvelopeRendererTest, LongAndManyLinesShrinkToStayInsideTheirAreas)
{
    // Every kind of line break counts; blank lines at the end do not.
    EXPECT_EQ(AddressBlock::splitLines(QStringLiteral("A\r\n\r\nB\rC\n \r\n")),
              (QStringList{"A", "", "B", "C"}));
    const QString tall = QString(150, u'W') + QStringLiteral("\rHIGH STREET\n").repeated(11);
    // At two pixels a point: the #10 envelope's read area, 2 3/4 in to 5/8 in above the bottom.
    const QImage page =
        uprightPage(EnvelopeSizes::number10(), 0, {}, QString(150, u'M'), tall, 144.0);
    const auto [from, to] = blocks(page, 198);
    EXPECT_LE(from.bounds.right(), page.width() / 2);
    EXPECT_TRUE(QRect(QPoint(72, 198), QPoint(1296, 503)).contains(to.bounds));
    EXPECT_EQ(to.lines, 12);
}

TEST(EnvelopeRendererTest, PositionsShiftAndFontsReachTheDrawing)
{
    const EnvelopeSize dl = *EnvelopeSizes::byKey(QStringLiteral("dl"));
    const auto moved = [&](const EnvelopeLayout& a, const EnvelopeLayout& b, int orientation) {
        const auto [fromA, toA] = blocks(uprightPage(dl, orientation, a), 120);
        const auto [fromB, toB] = blocks(uprightPage(dl, orientation, b), 120);
        return std::pair(fromB.bounds.topLeft() - fromA.bounds.topLeft(),
                         toB.bounds.topLeft() - toA.bounds.topLeft());
    };
    EnvelopeLayout placed;
    placed.setReturnFrom(QPointF(30, 20));
    placed.setDeliveryFrom(QPointF(250, 150));
    for (const int orientation : {EnvelopeJob::kCenterLandscape, EnvelopeJob::kLeftClockwise}) {
        SCOPED_TRACE(orientation);
        const auto [from, to] = blocks(uprightPage(dl, orientation, placed), 120);
        // Where asked: the ink starts a glyph's side bearing and the space above capitals in.
        EXPECT_LE((from.bounds.topLeft() - QPoint(30, 20)).manhattanLength(), 6);
        EXPECT_LE((to.bounds.topLeft() - QPoint(250, 150)).manhattanLength(), 6);

        EnvelopeLayout further = placed;
        further.setReturnFrom(QPointF(41, 33));
        further.setDeliveryFrom(QPointF(0, 170)); // 0: where the zone would put it across
        EXPECT_EQ(moved(placed, further, orientation).first, QPoint(11, 13));
        EXPECT_EQ(moved({}, further, orientation).second.y(), 170 - 125); // automatic: 40 % down
        EXPECT_EQ(moved({}, further, orientation).second.x(), 0);

        EnvelopeLayout shifted = placed;
        shifted.setShift(QPointF(9, -6));
        EXPECT_EQ(moved(placed, shifted, orientation), std::pair(QPoint(9, -6), QPoint(9, -6)));
    }

    // The chosen families, weights and sizes are what the page is drawn in.
    EnvelopeLayout fonts;
    fonts.setDeliveryFont(AddressFont(QStringLiteral("Liberation Sans"), 24, true));
    fonts.setReturnFont(AddressFont(QStringLiteral("Liberation Mono"), 10, false, true));
    const auto [plainFrom, plainTo] = blocks(uprightPage(dl, 4), 120);
    const auto [from, to] = blocks(uprightPage(dl, 4, fonts), 120);
    EXPECT_NEAR(double(to.bounds.height()) / plainTo.bounds.height(), 2.0, 0.15);
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("fonts.pdf"));
    ASSERT_TRUE(EnvelopeRenderer(EnvelopeJob(kFrom, kTo, 624, 312, 4, true, fonts)).writePdf(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("LiberationSans-Bold"));
    EXPECT_TRUE(bytes.contains("LiberationMono-Italic"));
    EXPECT_FALSE(bytes.contains("LiberationSerif"));
}

} // namespace
} // namespace addrell
