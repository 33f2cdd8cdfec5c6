#include "servers/envelope_printer/render/EnvelopePlacement.h"

#include "servers/envelope_printer/render/EnvelopeJob.h"

#include <cmath>

namespace addrell {

namespace {

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

} // namespace

EnvelopePlacement::EnvelopePlacement(QSizeF pageSize, QSizeF envelopeSize, Turn turn)
    : m_pageSize(pageSize), m_envelopeSize(envelopeSize), m_turn(turn)
{
}

EnvelopePlacement EnvelopePlacement::compute(QSizeF envelope, int orientation)
{
    const QSizeF upright(std::round(envelope.width()), std::round(envelope.height()));
    const Turn turn = turnFor(orientation);
    return {turn == Turn::None ? upright : upright.transposed(), upright, turn};
}

EnvelopePlacement EnvelopePlacement::forJob(const EnvelopeJob& job)
{
    return compute(job.pageSizePoints(), job.orientation());
}

QTransform EnvelopePlacement::envelopeToPage() const
{
    switch (m_turn) {
    case Turn::None:
        return {};
    case Turn::Clockwise:
        // The envelope's left edge becomes the page's top: (u, v) -> (height - v, u).
        return {0.0, 1.0, -1.0, 0.0, m_envelopeSize.height(), 0.0};
    case Turn::CounterClockwise:
        break;
    }
    // The envelope's right edge becomes the page's top: (u, v) -> (v, width - u).
    return {0.0, -1.0, 1.0, 0.0, 0.0, m_envelopeSize.width()};
}

} // namespace addrell
