#include "pictures/IconFile.h"

#include <QBuffer>
#include <QDataStream>

#include <limits>
#include <stdexcept>

namespace addrell::pictures {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;
constexpr int kColours = 16;

int rowBytes(int bits)
{
    return (bits + 31) / 32 * 4;
}

int nearestColour(QRgb pixel)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int index = 0; index < kColours; ++index) {
        const QRgb colour = IconFile::palette()[index];
        const int red = qRed(pixel) - qRed(colour);
        const int green = qGreen(pixel) - qGreen(colour);
        const int blue = qBlue(pixel) - qBlue(colour);
        const int distance = red * red + green * green + blue * blue;
        if (distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}

qsizetype imageSize(const QImage& image)
{
    const int side = image.width();
    return kInfoHeaderSize + kColours * 4 + side * (rowBytes(4 * side) + rowBytes(side));
}

bool transparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

void writeImage(QDataStream& out, const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int side = image.width();
    // The header's height counts the colour rows and the mask rows.
    out << quint32(kInfoHeaderSize) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(4)
        << quint32(0) << quint32(imageSize(image) - kInfoHeaderSize - kColours * 4) << qint32(0)
        << qint32(0) << quint32(0) << quint32(0);
    for (const QRgb colour : IconFile::palette()) {
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
    // Rows run from the bottom up.
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(4 * side), '\0');
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int index = transparent(pixel) ? 0 : nearestColour(pixel);
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(side), '\0');
        for (int x = 0; x < side; ++x) {
            if (transparent(image.pixel(x, y))) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
}

} // namespace

const QList<QRgb>& IconFile::palette()
{
    static const QList<QRgb> colours = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return colours;
}

QImage IconFile::reduced(const QImage& source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            image.setPixel(
                x, y, transparent(pixel) ? qRgba(0, 0, 0, 0) : palette()[nearestColour(pixel)]);
        }
    }
    return image;
}

QByteArray IconFile::encode(const QList<QImage>& images)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = kDirectorySize + kEntrySize * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        const int side = image.width();
        if (side != image.height() || side > 256 || side % 8 != 0) {
            throw std::invalid_argument("an icon image must be square and a multiple of 8 wide");
        }
        const auto size = static_cast<quint32>(imageSize(image));
        // A width of 256 is written as 0.
        out << quint8(side % 256) << quint8(side % 256) << quint8(kColours) << quint8(0)
            << quint16(1) << quint16(4) << size << offset;
        offset += size;
    }
    for (const QImage& image : images) {
        writeImage(out, image);
    }
    return bytes;
}

} // namespace addrell::pictures
