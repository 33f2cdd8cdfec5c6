#include "servers/envelope_printer/EnvelopePlacement.h"
#include "servers/envelope_printer/EnvelopeJob.h"
#include "servers/envelope_printer/EnvelopePrinterError.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace addrell {
namespace {

// What the print job passes: 9.5 x 4.13 inches converted in single precision.
const QSizeF kEnvelope(9.5f * 72.0f, 4.13f * 72.0f);
const QSizeF kLetter(612.0, 792.0);

TEST(EnvelopePlacementTest, EnvelopeSizedPageIsTheEnvelopeTurnedForTheFeed)
{
    // Print Center: short edge first, stamp end (top right) leading.
    const auto centre = EnvelopePlacement::compute(kEnvelope, EnvelopeJob::kCenterLandscape);
    EXPECT_EQ(centre.pageSize(), QSizeF(297, 684));
    EXPECT_EQ(centre.envelopeToPage().map(QPointF(684, 0)), QPointF(0, 0));
    EXPECT_EQ(centre.envelopeToPage().map(QPointF(0, 297)), QPointF(297, 684));

    // Print Right: short edge first, return-address end (top left) leading.
    const auto right = EnvelopePlacement::compute(kEnvelope, EnvelopeJob::kLeftClockwise);
    EXPECT_EQ(right.pageSize(), QSizeF(297, 684));
    EXPECT_EQ(right.envelopeToPage().map(QPointF(0, 0)), QPointF(297, 0));
    EXPECT_EQ(right.envelopeToPage().map(QPointF(684, 297)), QPointF(0, 684));

    // Portrait: long edge first, upright.
    const auto portrait = EnvelopePlacement::compute(kEnvelope, EnvelopeJob::kRightPortrait);
    EXPECT_EQ(portrait.pageSize(), QSizeF(684, 297));
    EXPECT_EQ(portrait.envelopeToPage(), QTransform());
}

TEST(EnvelopePlacementTest, LargerSheetHoldsTheEnvelopeAtTheFeedEdge)
{
    const double left[] = {0, 157, 315};
    for (int orientation = EnvelopeJob::kLeftLandscape; orientation <= 8; ++orientation) {
        const auto placement = EnvelopePlacement::compute(kEnvelope, orientation, kLetter);
        EXPECT_EQ(placement.pageSize(), kLetter);
        EXPECT_EQ(placement.envelopeRect(), QRectF(left[orientation % 3], 0, 297, 684));
        EXPECT_EQ(placement.envelopeToPage().mapRect(QRectF(0, 0, 684, 297)),
                  placement.envelopeRect())
            << orientation;
    }
    // Long edge first, a #10 envelope is wider than Letter: the page grows to hold it.
    const auto portrait =
        EnvelopePlacement::compute(kEnvelope, EnvelopeJob::kCenterPortrait, kLetter);
    EXPECT_EQ(portrait.pageSize(), QSizeF(684, 792));
    EXPECT_EQ(portrait.envelopeRect(), QRectF(0, 0, 684, 297));
}

TEST(EnvelopeJobTest, RejectsWhatCannotBePrinted)
{
    const QString to = QStringLiteral("A. Person");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<std::function<void()>, std::int32_t> cases[] = {
        {[&] { EnvelopeJob({}, to, 684, 297, 9, true); }, 5},
        {[&] { EnvelopeJob({}, to, 684, 297, -1, true); }, 5},
        {[&] { EnvelopeJob({}, to, 0.2, 297, 4, true); }, 5},
        {[&] { EnvelopeJob({}, to, 684, nan, 4, true); }, 5},
        {[&] { EnvelopeJob({}, to, 684, 1e6, 4, true); }, 5},
        {[&] { EnvelopeJob({}, QStringLiteral(" \r\n\t"), 684, 297, 4, true); },
         EnvelopePrinterError::NoDeliveryAddress}};
    for (const auto& [make, number] : cases) {
        try {
            make();
            ADD_FAILURE() << "no error " << number;
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.number(), number);
            EXPECT_EQ(error.source(), kEnvelopePrinterSource);
        }
    }
}

} // namespace
} // namespace addrell
