#include "pictures/BitmapFile.h"

#include <QBuffer>
#include <QDataStream>

namespace addrell::pictures {

namespace {

constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kInfoHeaderSize = 40;
constexpr qint32 kPixelsPerMetre = 3780; // 96 dots per inch

} // namespace

QByteArray BitmapFile::encode(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const auto rowBytes = static_cast<quint32>((image.width() * 3 + 3) / 4 * 4);
    const quint32 pixelBytes = rowBytes * static_cast<quint32>(image.height());
    const quint32 offset = kFileHeaderSize + kInfoHeaderSize;

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(offset + pixelBytes) << quint32(0) << offset;
    out << kInfoHeaderSize << qint32(image.width()) << qint32(image.height()) << quint16(1)
        << quint16(24) << quint32(0) << pixelBytes << kPixelsPerMetre << kPixelsPerMetre
        << quint32(0) << quint32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row[3 * x] = static_cast<char>(qBlue(pixel));
            row[3 * x + 1] = static_cast<char>(qGreen(pixel));
            row[3 * x + 2] = static_cast<char>(qRed(pixel));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
    return bytes;
}

} // namespace addrell::pictures
