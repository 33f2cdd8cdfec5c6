#include "servers/envelope_printer/render/EnvelopeRenderer.h"

#include "servers/envelope_printer/render/AddressBlock.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace addrell {

namespace {

constexpr double kInch = 72.0;

// Where the addresses go on the upright envelope, in points. The read area is the band the
// postal scanners read: 5/8 in to 2 3/4 in above the bottom edge, 1/2 in from each side; the
// bottom 5/8 in is kept for the barcode. Small envelopes keep the same order of zones.
struct Zones {
    QRectF returnArea;
    QRectF readArea;
    QPointF preferredDelivery;
};

Zones zonesFor(QSizeF envelope)
{
    const double width = envelope.width();
    const double height = envelope.height();
    const double readTop = std::max(height - 2.75 * kInch, height / 3.0);
    const double readBottom = std::max(height - 0.625 * kInch, readTop);
    const double readLeft = 0.5 * kInch;
    const double readRight = std::max(width - 0.5 * kInch, readLeft);

    const QPointF returnOrigin(0.4 * kInch, 0.25 * kInch);
    Zones zones;
    zones.returnArea = QRectF(returnOrigin, QPointF(std::max(width / 2.0, returnOrigin.x()),
                                                    std::max(readTop, returnOrigin.y())));
    zones.readArea = QRectF(QPointF(readLeft, readTop), QPointF(readRight, readBottom));
    zones.preferredDelivery = QPointF(std::min(4.0 * kInch, width / 2.0), height / 2.0);
    return zones;
}

// As near the preferred corner as the block's size allows, never outside the read area.
QPointF deliveryOrigin(const Zones& zones, QSizeF block)
{
    const QRectF& area = zones.readArea;
    const double x =
        std::max(area.left(), std::min(zones.preferredDelivery.x(), area.right() - block.width()));
    const double y =
        std::max(area.top(), std::min(zones.preferredDelivery.y(), area.bottom() - block.height()));
    return {x, y};
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
    painter.setWorldTransform(m_placement.envelopeToPage() * pageToDevice);

    const Zones zones = zonesFor(m_placement.envelopeSize());
    const AddressBlock returnBlock =
        AddressBlock::fit(m_job.returnAddress(), kReturnPoints, zones.returnArea.size(), device);
    returnBlock.draw(painter, zones.returnArea.topLeft());
    const AddressBlock deliveryBlock =
        AddressBlock::fit(m_job.deliveryAddress(), kDeliveryPoints, zones.readArea.size(), device);
    deliveryBlock.draw(painter, deliveryOrigin(zones, deliveryBlock.size()));
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
