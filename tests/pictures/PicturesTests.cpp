#include "pictures/BitmapFile.h"
#include "pictures/IconFile.h"
#include "pictures/PictureArt.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace addrell {
namespace {

QByteArray readResource(const char* name)
{
    QFile file(QStringLiteral(ADDRELL_RESOURCES "/%1").arg(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

int colours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                seen.insert(image.pixel(x, y));
            }
        }
    }
    return static_cast<int>(seen.size());
}

// A Windows icon of a 32 x 32 and a 16 x 16 image, 16 colours (4 bits per pixel) each, 1078
// bytes in all, and a 24-bit uncompressed bitmap of 150 x 54 pixels, 24462 bytes: the files
// the build bundles and the ones their generator writes.
TEST(Pictures, TheIconAndTheStampHaveTheirFormats)
{
    for (const QByteArray& ico : {readResource("addrell.ico"),
                                  pictures::IconFile::encode({pictures::PictureArt::icon(32),
                                                              pictures::PictureArt::icon(16)})}) {
        ASSERT_EQ(ico.size(), 1078);
        QBuffer buffer;
        buffer.setData(ico);
        QImageReader reader(&buffer, "ico");
        ASSERT_EQ(reader.imageCount(), 2);
        for (int index = 0; index < 2; ++index) { // bits per pixel from its directory entry
            EXPECT_EQ(qFromLittleEndian<quint16>(ico.constData() + 12 + 16 * index), 4);
            ASSERT_TRUE(reader.jumpToImage(index));
            const QImage image = reader.read();
            EXPECT_EQ(image.size(), index == 0 ? QSize(32, 32) : QSize(16, 16));
            EXPECT_TRUE(colours(image) >= 4 && colours(image) <= 16);
        }
    }
    for (const QByteArray& bmp :
         {readResource("stamp.bmp"), pictures::BitmapFile::encode(pictures::PictureArt::stamp())}) {
        ASSERT_EQ(bmp.size(), 24462);
        EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 24); // bits per pixel
        EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 30), 0U); // uncompressed
        const QImage image = QImage::fromData(bmp, "BMP");
        EXPECT_EQ(image.size(), QSize(150, 54));
        EXPECT_GT(colours(image), 16);
    }
}

TEST(Pictures, DesktopIconsComeInEveryThemeSize)
{
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(
            QStringLiteral(ADDRELL_RESOURCES "/icons/hicolor/%1x%1/apps/addrell.png").arg(side));
        EXPECT_TRUE(icon.size() == QSize(side, side) && icon.hasAlphaChannel()) << side;
    }
}

} // namespace
} // namespace addrell
