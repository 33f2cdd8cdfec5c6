#include "pictures/PictureArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace addrell::pictures {

namespace {

struct Block {
    int x;
    int y;
    int width;
    int height;
    QRgb colour;
};

// Colours of the sixteen-colour palette, so the small icons lose nothing when reduced to it.
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kGray = 0xff808080;
constexpr QRgb kSilver = 0xffc0c0c0;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kMaroon = 0xff800000;
constexpr QRgb kYellow = 0xffffff00;
constexpr QRgb kNavy = 0xff000080;

// Front of an envelope: a shadow, the outline, the paper, a stamp at the top right, a return
// address at the top left and the recipient's lines right of centre. Later blocks cover earlier.
constexpr std::initializer_list<Block> kIcon32 = {
    {2, 8, 30, 19, kGray},  {0, 6, 31, 20, kBlack}, {1, 7, 29, 18, kWhite},  {1, 7, 29, 1, kSilver},
    {22, 9, 6, 7, kMaroon}, {23, 10, 4, 5, kRed},   {24, 11, 2, 2, kYellow}, {4, 10, 8, 1, kNavy},
    {4, 12, 6, 1, kNavy},   {11, 17, 12, 1, kNavy}, {11, 19, 10, 1, kNavy},  {11, 21, 8, 1, kNavy},
};

constexpr std::initializer_list<Block> kIcon16 = {
    {1, 4, 15, 10, kGray}, {0, 3, 15, 10, kBlack}, {1, 4, 13, 8, kWhite}, {10, 5, 3, 3, kRed},
    {2, 5, 4, 1, kNavy},   {5, 8, 6, 1, kNavy},    {5, 10, 4, 1, kNavy},
};

void paint(QImage& image, std::initializer_list<Block> blocks, double scale)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, scale != std::floor(scale));
    painter.scale(scale, scale);
    for (const Block& block : blocks) {
        painter.fillRect(QRectF(block.x, block.y, block.width, block.height),
                         QColor::fromRgba(block.colour));
    }
}

const QColor kInk(38, 44, 92);

void paintPostmark(QPainter& painter)
{
    const QPointF centre(31, 24);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 2));
    painter.drawEllipse(centre, 19, 19);
    painter.setPen(QPen(kInk, 1));
    painter.drawEllipse(centre, 14, 14);
    // A five-pointed star in the middle of the mark.
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const double radius = point % 2 == 0 ? 9.0 : 3.8;
        const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const QPointF corner = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        point == 0 ? star.moveTo(corner) : star.lineTo(corner);
    }
    star.closeSubpath();
    painter.fillPath(star, kInk);
}

void paintStampPaper(QPainter& painter, const QRectF& paper)
{
    painter.fillRect(paper.translated(2, 2), QColor(170, 170, 170));
    painter.fillRect(paper, QColor(252, 248, 232));
    // Perforations: bites of the background along every edge.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    constexpr double kStep = 6.0;
    for (double x = paper.left() + 3; x < paper.right(); x += kStep) {
        painter.drawEllipse(QPointF(x, paper.top()), 1.8, 1.8);
        painter.drawEllipse(QPointF(x, paper.bottom()), 1.8, 1.8);
    }
    for (double y = paper.top() + 3; y < paper.bottom(); y += kStep) {
        painter.drawEllipse(QPointF(paper.left(), y), 1.8, 1.8);
        painter.drawEllipse(QPointF(paper.right(), y), 1.8, 1.8);
    }
}

void paintStampPicture(QPainter& painter, const QRectF& picture)
{
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, QColor(86, 148, 214));
    sky.setColorAt(1, QColor(196, 226, 246));
    painter.fillRect(picture, sky);
    painter.save();
    painter.setClipRect(picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 206, 64));
    painter.drawEllipse(QPointF(picture.right() - 10, picture.top() + 9), 5, 5);
    painter.setBrush(QColor(96, 160, 80));
    painter.drawEllipse(QRectF(picture.left() - 14, picture.bottom() - 12, 44, 26));
    painter.setBrush(QColor(60, 122, 60));
    painter.drawEllipse(QRectF(picture.left() + 14, picture.bottom() - 9, 40, 24));
    // Two birds.
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& bird : {QPointF(picture.left() + 3, picture.top() + 13),
                                QPointF(picture.left() + 11, picture.top() + 8)}) {
        painter.drawLine(bird, bird + QPointF(3, 2));
        painter.drawLine(bird + QPointF(3, 2), bird + QPointF(6, 0));
    }
    painter.restore();
    painter.setPen(QPen(QColor(150, 40, 40), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture);
}

void paintCancellation(QPainter& painter)
{
    QColor ink = kInk;
    ink.setAlpha(200);
    painter.setPen(QPen(ink, 1.6));
    painter.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 5; ++wave) {
        QPainterPath path;
        const double base = 8.0 + wave * 8.0;
        for (int x = 54; x <= 118; ++x) {
            const QPointF point(x, base + 2.5 * std::sin(x / 5.0));
            x == 54 ? path.moveTo(point) : path.lineTo(point);
        }
        painter.drawPath(path);
    }
}

} // namespace

QImage PictureArt::icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (size == 16) {
        paint(image, kIcon16, 1.0);
    } else {
        paint(image, kIcon32, size / 32.0);
    }
    return image;
}

QImage PictureArt::stamp()
{
    QImage image(kStampWidth, kStampHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintPostmark(painter);
    // The window shows 145 x 49 of the picture: the stamp stays inside that.
    const QRectF paper(94, 3, 44, 41);
    paintStampPaper(painter, paper);
    paintStampPicture(painter, paper.adjusted(5, 5, -5, -5));
    paintCancellation(painter);
    return image;
}

} // namespace addrell::pictures
