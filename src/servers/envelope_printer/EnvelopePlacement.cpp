#include "servers/envelope_printer/EnvelopePlacement.h"

#include "servers/envelope_printer/EnvelopeJob.h"

#include <algorithm>
#include <cmath>

namespace addrell {

namespace {

enum class Position { Left, Centre, Right };

QSizeF wholePoints(QSizeF size)
{
    return {std::round(size.width()), std::round(size.height())};
}

EnvelopePlacement::Turn turnFor(int orientation)
{
    if (orientation <= EnvelopeJob::kRightPortrait) {
        return EnvelopePlacement::Turn::None;
    }
    if (orientation <= EnvelopeJob::kRightLandscape) {
        return EnvelopePlacement::Turn::CounterClockwise;
    }
    return EnvelopePlacement::Turn::Clockwise;
}

Position positionFor(int orientation)
{
    switch (orientation % 3) {
    case 0:
        return Position::Left;
    case 1:
        return Position::Centre;
    default:
        return Position::Right;
    }
}

double offsetAcross(Position position, double pageWidth, double imageWidth)
{
    switch (position) {
    case Position::Left:
        return 0.0;
    case Position::Centre:
        return std::floor((pageWidth - imageWidth) / 2.0);
    case Position::Right:
        break;
    }
    return pageWidth - imageWidth;
}

} // namespace

EnvelopePlacement::EnvelopePlacement(QSizeF pageSize, QSizeF envelopeSize, Turn turn,
                                     QRectF envelopeRect)
    : m_pageSize(pageSize), m_envelopeSize(envelopeSize), m_turn(turn), m_envelopeRect(envelopeRect)
{
}

EnvelopePlacement EnvelopePlacement::compute(QSizeF envelope, int orientation,
                                             std::optional<QSizeF> sheet)
{
    const QSizeF upright = wholePoints(envelope);
    const Turn turn = turnFor(orientation);
    const QSizeF image = turn == Turn::None ? upright : upright.transposed();

    QSizeF page = image;
    if (sheet) {
        const QSizeF given = wholePoints(*sheet);
        page = QSizeF(std::max(given.width(), image.width()),
                      std::max(given.height(), image.height()));
    }
    const QRectF rect(
        QPointF(offsetAcross(positionFor(orientation), page.width(), image.width()), 0.0), image);
    return {page, upright, turn, rect};
}

EnvelopePlacement EnvelopePlacement::forJob(const EnvelopeJob& job, std::optional<QSizeF> sheet)
{
    return compute(job.pageSizePoints(), job.orientation(), sheet);
}

QTransform EnvelopePlacement::envelopeToPage() const
{
    const double x = m_envelopeRect.left();
    const double y = m_envelopeRect.top();
    switch (m_turn) {
    case Turn::None:
        return QTransform::fromTranslate(x, y);
    case Turn::Clockwise:
        // The envelope's left edge becomes the page's top: (u, v) -> (height - v, u).
        return QTransform(0.0, 1.0, -1.0, 0.0, x + m_envelopeSize.height(), y);
    case Turn::CounterClockwise:
        break;
    }
    // The envelope's right edge becomes the page's top: (u, v) -> (v, width - u).
    return QTransform(0.0, -1.0, 1.0, 0.0, x, y + m_envelopeSize.width());
}

} // namespace addrell
