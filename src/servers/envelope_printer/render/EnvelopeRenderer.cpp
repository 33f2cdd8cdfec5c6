#include "servers/envelope_printer/render/EnvelopeRenderer.h"

#include "servers/envelope_printer/render/AddressBlock.h"
#include "servers/envelope_printer/render/EnvelopeZones.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace addrell {

namespace {

constexpr double kInch = 72.0;

// As near the preferred corner as the block's size allows, never outside the zone.
QPointF origin(const QRectF& zone, QPointF preferred, QSizeF block)
{
    return {std::max(zone.left(), std::min(preferred.x(), zone.right() - block.width())),
            std::max(zone.top(), std::min(preferred.y(), zone.bottom() - block.height()))};
}

// An address in its zone, or where the user put it: then it may reach the envelope's edges, and
// a distance of 0 leaves that one where the zone would have it.
void drawAddress(QPainter& painter, const QString& text, const AddressFont& font,
                 const QRectF& zone, QPointF preferred, QPointF from, QSizeF envelope)
{
    const QPaintDevice& device = *painter.device();
    if (from.isNull()) {
        const AddressBlock block = AddressBlock::fit(text, font, zone.size(), device);
        block.draw(painter, origin(zone, preferred, block.size()));
        return;
    }
    const QPointF corner(from.x() > 0.0 ? from.x() : preferred.x(),
                         from.y() > 0.0 ? from.y() : preferred.y());
    const QSizeF room(envelope.width() - corner.x(), envelope.height() - corner.y());
    AddressBlock::fit(text, font, room, device).draw(painter, corner);
}

} // namespace

EnvelopeRenderer::EnvelopeRenderer(EnvelopeJob job)
    : m_job(std::move(job)), m_placement(EnvelopePlacement::forJob(m_job))
{
}

QPageSize EnvelopeRenderer::pageSize() const
{
    return QPageSize(m_placement.pageSize(), QPageSize::Point, QStringLiteral("Envelope"),
                     QPageSize::ExactMatch);
}

void EnvelopeRenderer::paint(QPainter& painter) const
{
    const QPaintDevice& device = *painter.device();
    const QSizeF page = m_placement.pageSize();
    const QTransform pageToDevice =
        QTransform::fromScale(device.width() / page.width(), device.height() / page.height());

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QPointF shift = m_job.layout().shift();
    painter.setWorldTransform(QTransform::fromTranslate(shift.x(), shift.y()) *
                              m_placement.envelopeToPage() * pageToDevice);

    const QSizeF envelope = m_placement.envelopeSize();
    const EnvelopeZones zones = EnvelopeZones::forEnvelope(envelope);
    const EnvelopeLayout& layout = m_job.layout();
    drawAddress(painter, m_job.returnAddress(), layout.returnFont(), zones.returnArea(),
                zones.returnArea().topLeft(), layout.returnFrom(), envelope);
    drawAddress(painter, m_job.deliveryAddress(), layout.deliveryFont(), zones.deliveryArea(),
                zones.preferredDelivery(), layout.deliveryFrom(), envelope);
    painter.restore();
}

QImage EnvelopeRenderer::toImage(double dotsPerInch) const
{
    const QSizeF page = m_placement.pageSize() * (dotsPerInch / kInch);
    QImage image(static_cast<int>(std::lround(page.width())),
                 static_cast<int>(std::lround(page.height())), QImage::Format_RGB32);
    const auto dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

bool EnvelopeRenderer::writePdf(const QString& fileName) const
{
    return writePdf(std::span(this, 1), fileName);
}

bool EnvelopeRenderer::writePdf(std::span<const EnvelopeRenderer> pages, const QString& fileName)
{
    QPdfWriter writer(fileName);
    writer.setCreator(QStringLiteral("Addrell"));
    writer.setTitle(QStringLiteral("Envelope"));
    QPainter painter;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        // Full page, no margins: the printer is told the exact size and never scales.
        if (!writer.setPageLayout(QPageLayout(pages[page].pageSize(), QPageLayout::Portrait,
                                              QMarginsF(), QPageLayout::Point))) {
            return false;
        }
        if (page == 0 ? !painter.begin(&writer) : !writer.newPage()) {
            return false;
        }
        pages[page].paint(painter);
    }
    return painter.isActive() && painter.end();
}

} // namespace addrell
