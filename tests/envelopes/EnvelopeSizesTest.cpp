#include "envelopes/EnvelopeSizes.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QSet>

#include <cmath>

namespace addrell {
namespace {

// A side in hundredths of a millimetre, as libcups measures media.
int hundredthsOfMillimeter(double inches)
{
    return static_cast<int>(std::lround(inches * 2540.0));
}

TEST(EnvelopeSizesTest, EveryMediaNameIsOneCupsReadsAsTheSizesOwnSides)
{
    std::vector<EnvelopeSize> sizes = EnvelopeSizes::all();
    sizes.push_back(EnvelopeSizes::custom(7.5, 3.25, EnvelopeSize::Unit::Inch));
    sizes.push_back(EnvelopeSizes::custom(250, 125, EnvelopeSize::Unit::Millimeter));
    QSet<QString> keys;
    for (const EnvelopeSize& size : sizes) {
        SCOPED_TRACE(size.media().toStdString());
        const pwg_media_t* media = pwgMediaForPWG(size.media().constData());
        ASSERT_NE(media, nullptr);
        // PWG names give the short side first.
        EXPECT_NEAR(media->width, hundredthsOfMillimeter(size.heightInches()), 2);
        EXPECT_NEAR(media->length, hundredthsOfMillimeter(size.widthInches()), 2);
        keys.insert(size.key());
    }
    EXPECT_EQ(keys.size(), static_cast<qsizetype>(EnvelopeSizes::all().size()) + 1);
}

TEST(EnvelopeSizesTest, ASizeIsFoundFromThePointsThePrintJobPassesEitherWayRound)
{
    for (const EnvelopeSize& size : EnvelopeSizes::all()) {
        // Single precision, through the word processor's InchesToPoints, as the print job does.
        const QSizeF points(static_cast<float>(size.widthInches()) * 72.0F,
                            static_cast<float>(size.heightInches()) * 72.0F);
        EXPECT_EQ(EnvelopeSizes::matching(points), size) << size.name().toStdString();
        EXPECT_EQ(EnvelopeSizes::matching(points.transposed()), size);
    }
    // The #10 as the program has always given it, 4.13 x 9.5 in.
    EXPECT_EQ(EnvelopeSizes::matching(QSizeF(684, 4.13F * 72.0F)), EnvelopeSizes::number10());
    EXPECT_EQ(EnvelopeSizes::matching(QSizeF(5 * 72, 5 * 72)), std::nullopt);
}

} // namespace
} // namespace addrell
