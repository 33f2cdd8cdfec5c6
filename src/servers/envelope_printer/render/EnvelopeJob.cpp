#include "servers/envelope_printer/render/EnvelopeJob.h"

#include "servers/envelope_printer/render/EnvelopePrinterError.h"

#include <cmath>

namespace addrell {

namespace {

// A PDF page may not exceed 200 inches; nothing smaller than a point can be printed.
constexpr double kMinimumPoints = 1.0;
constexpr double kMaximumPoints = 14400.0;

bool isPrintableLength(double points)
{
    return std::isfinite(points) && std::round(points) >= kMinimumPoints &&
           std::round(points) <= kMaximumPoints;
}

bool isFontSize(const AddressFont& font)
{
    return std::isfinite(font.pointSize()) && font.pointSize() >= AddressFont::kMinimumPoints &&
           font.pointSize() <= AddressFont::kMaximumPoints;
}

// A block may start anywhere on the envelope, an edge at 0 meaning automatic.
bool isOnEnvelope(QPointF from, double width, double height)
{
    return std::isfinite(from.x()) && std::isfinite(from.y()) && from.x() >= 0.0 &&
           from.y() >= 0.0 && from.x() < width && from.y() < height;
}

[[noreturn]] void invalidArgument(const QString& why)
{
    throw AutomationError(RuntimeError::InvalidProcedureCall,
                          QStringLiteral("Invalid procedure call or argument: %1").arg(why),
                          kEnvelopePrinterSource);
}

} // namespace

EnvelopeJob::EnvelopeJob(QString returnAddress, QString deliveryAddress, double widthPoints,
                         double heightPoints, int orientation, bool faceUp, EnvelopeLayout layout)
    : m_returnAddress(std::move(returnAddress)), m_deliveryAddress(std::move(deliveryAddress)),
      m_widthPoints(widthPoints), m_heightPoints(heightPoints), m_orientation(orientation),
      m_faceUp(faceUp), m_layout(std::move(layout))
{
    if (!isPrintableLength(widthPoints) || !isPrintableLength(heightPoints)) {
        invalidArgument(QStringLiteral("the envelope size %1 x %2 points cannot be printed.")
                            .arg(widthPoints)
                            .arg(heightPoints));
    }
    if (orientation < kLeftPortrait || orientation > kRightClockwise) {
        invalidArgument(
            QStringLiteral("the envelope orientation %1 is not one of 0 to 8.").arg(orientation));
    }
    for (const QPointF from : {m_layout.deliveryFrom(), m_layout.returnFrom()}) {
        if (!isOnEnvelope(from, widthPoints, heightPoints)) {
            invalidArgument(QStringLiteral("an address %1 points from the left and %2 from the "
                                           "top is not on the envelope.")
                                .arg(from.x())
                                .arg(from.y()));
        }
    }
    for (const AddressFont& font : {m_layout.deliveryFont(), m_layout.returnFont()}) {
        if (!isFontSize(font)) {
            invalidArgument(
                QStringLiteral("a font of %1 points cannot be printed.").arg(font.pointSize()));
        }
    }
    if (!std::isfinite(m_layout.shift().x()) || !std::isfinite(m_layout.shift().y())) {
        invalidArgument(QStringLiteral("the printer shift is no number of points."));
    }
}

EnvelopeJob EnvelopeJob::upright() const
{
    return {m_returnAddress, m_deliveryAddress, m_widthPoints, m_heightPoints,
            kLeftPortrait,   m_faceUp,          m_layout};
}

QSizeF EnvelopeJob::pageSizePoints() const
{
    return {std::round(m_widthPoints), std::round(m_heightPoints)};
}

} // namespace addrell
