#include "PdfPages.h"
#include "servers/envelope_printer/EnvelopeRenderer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace addrell {
namespace {

TEST(EnvelopePdfTest, OnePageOfTheEnvelopeAsTheFeedTakesItWithRealText)
{
    const QTemporaryDir dir;
    const std::pair<int, QSizeF> feeds[] = {{EnvelopeJob::kLeftPortrait, QSizeF(684, 297)},
                                            {EnvelopeJob::kCenterLandscape, QSizeF(297, 684)},
                                            {EnvelopeJob::kLeftClockwise, QSizeF(297, 684)}};
    for (const auto& [orientation, size] : feeds) {
        const QString file = dir.filePath(QStringLiteral("%1.pdf").arg(orientation));
        const EnvelopeRenderer renderer(EnvelopeJob(QStringLiteral("Mary Hart\r\nOak Park"),
                                                    QStringLiteral("Henry Hall\r\nSpringfield"),
                                                    9.5f * 72.0f, 4.13f * 72.0f, orientation,
                                                    orientation != EnvelopeJob::kLeftClockwise),
                                        std::nullopt);
        ASSERT_TRUE(renderer.writePdf(file));
        EXPECT_EQ(test::pdfPageSizes(test::readFile(file)), QList<QSizeF>{size}) << orientation;

        const std::optional<QString> text = test::pdfText(file);
        if (!text) {
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        for (const char* line : {"Mary Hart", "Oak Park", "Henry Hall", "Springfield"}) {
            EXPECT_TRUE(text->contains(QLatin1String(line))) << line << " in " << orientation;
        }
    }
}

} // namespace
} // namespace addrell
