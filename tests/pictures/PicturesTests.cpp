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

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

qint32 i32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
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

// A Windows icon of a 32 x 32 and a 16 x 16 image, 16 colours each, 1078 bytes.
void expectWindowIcon(const QByteArray& ico)
{
    ASSERT_EQ(ico.size(), 1078);
    EXPECT_EQ(u16(ico, 0), 0); // reserved
    EXPECT_EQ(u16(ico, 2), 1); // an icon, not a cursor
    ASSERT_EQ(u16(ico, 4), 2); // images
    quint32 expectedOffset = 6 + 2 * 16;
    const int sides[] = {32, 16};
    for (int image = 0; image < 2; ++image) {
        SCOPED_TRACE(sides[image]);
        const qsizetype entry = 6 + 16 * image;
        const int side = sides[image];
        EXPECT_EQ(static_cast<quint8>(ico[entry]), side);
        EXPECT_EQ(static_cast<quint8>(ico[entry + 1]), side);
        EXPECT_EQ(static_cast<quint8>(ico[entry + 2]), 16); // colours
        EXPECT_EQ(u16(ico, entry + 6), 4);                  // bits per pixel
        // Header, palette, colour bits, and a mask row padded to 32 bits.
        const quint32 size = 40 + 16 * 4 + side * side / 2 + side * 4;
        EXPECT_EQ(u32(ico, entry + 8), size);
        ASSERT_EQ(u32(ico, entry + 12), expectedOffset);
        const qsizetype header = expectedOffset;
        EXPECT_EQ(u32(ico, header), 40U);
        EXPECT_EQ(i32(ico, header + 4), side);
        EXPECT_EQ(i32(ico, header + 8), 2 * side); // colour rows and mask rows
        EXPECT_EQ(u16(ico, header + 12), 1);       // planes
        EXPECT_EQ(u16(ico, header + 14), 4);
        EXPECT_EQ(u32(ico, header + 16), 0U); // uncompressed
        expectedOffset += size;
    }
    EXPECT_EQ(expectedOffset, 1078U);

    // Qt reads both images back, each within the sixteen colours and not blank.
    QBuffer buffer;
    buffer.setData(ico);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (int index = 0; index < 2; ++index) {
        const int side = sides[index];
        ASSERT_TRUE(reader.jumpToImage(index));
        const QImage image = reader.read();
        ASSERT_EQ(image.size(), QSize(side, side)) << reader.errorString().toStdString();
        EXPECT_LE(colours(image), 16);
        EXPECT_GE(colours(image), 4);
    }
}

// A 24-bit uncompressed Windows bitmap of 150 x 54 pixels, 24462 bytes.
void expectStamp(const QByteArray& bmp)
{
    ASSERT_EQ(bmp.size(), 24462);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(bmp, 2), 24462U);
    EXPECT_EQ(u32(bmp, 10), 54U); // pixels after the two headers
    EXPECT_EQ(u32(bmp, 14), 40U);
    EXPECT_EQ(i32(bmp, 18), 150);
    EXPECT_EQ(std::abs(i32(bmp, 22)), 54);
    EXPECT_EQ(u16(bmp, 26), 1);
    EXPECT_EQ(u16(bmp, 28), 24);
    EXPECT_EQ(u32(bmp, 30), 0U); // uncompressed

    const QImage image = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(image.size(), QSize(150, 54));
    EXPECT_GT(colours(image), 16);
}

TEST(Pictures, TheWindowIconHasTwoSixteenColourImages)
{
    expectWindowIcon(readResource("addrell.ico"));
    // The generator writes the same format.
    expectWindowIcon(pictures::IconFile::encode(
        {pictures::PictureArt::icon(32), pictures::PictureArt::icon(16)}));
}

TEST(Pictures, TheStampIsAnUncompressed24BitBitmap)
{
    expectStamp(readResource("stamp.bmp"));
    expectStamp(pictures::BitmapFile::encode(pictures::PictureArt::stamp()));
}

TEST(Pictures, DesktopIconsComeInEveryThemeSize)
{
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(
            QStringLiteral(ADDRELL_RESOURCES "/icons/hicolor/%1x%1/apps/addrell.png").arg(side));
        EXPECT_EQ(icon.size(), QSize(side, side));
        EXPECT_TRUE(icon.hasAlphaChannel()) << side;
    }
}

} // namespace
} // namespace addrell
