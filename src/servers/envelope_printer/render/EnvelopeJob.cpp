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

[[noreturn]] void invalidArgument(const QString& why)
{
    throw AutomationError(RuntimeError::InvalidProcedureCall,
                          QStringLiteral("Invalid procedure call or argument: %1").arg(why),
                          kEnvelopePrinterSource);
}

} // namespace

EnvelopeJob::EnvelopeJob(QString returnAddress, QString deliveryAddress, double widthPoints,
                         double heightPoints, int orientation, bool faceUp)
    : m_returnAddress(std::move(returnAddress)), m_deliveryAddress(std::move(deliveryAddress)),
      m_widthPoints(widthPoints), m_heightPoints(heightPoints), m_orientation(orientation),
      m_faceUp(faceUp)
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
    if (m_deliveryAddress.trimmed().isEmpty()) {
        throw envelopePrinterError(
            EnvelopePrinterError::NoDeliveryAddress,
            QStringLiteral("There is no delivery address. Type the recipient's address, then "
                           "print the envelope again."));
    }
}

QSizeF EnvelopeJob::pageSizePoints() const
{
    return {std::round(m_widthPoints), std::round(m_heightPoints)};
}

} // namespace addrell
