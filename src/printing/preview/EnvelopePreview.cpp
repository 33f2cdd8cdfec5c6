#include "printing/preview/EnvelopePreview.h"

#include "printing/EnvelopeOptions.h"

namespace addrell {

namespace {

// As the print job hands them over: single precision, inches through Global.InchesToPoints.
double points(float inches)
{
    return static_cast<double>(inches * 72.0F);
}

QPointF asPassed(const std::optional<QPointF>& position)
{
    return position ? QPointF(static_cast<float>(position->x()), static_cast<float>(position->y()))
                    : QPointF();
}

EnvelopeJob jobFor(const EnvelopeOptions& options, const QString& returnText,
                   const QString& deliveryText)
{
    EnvelopeLayout layout;
    layout.setDeliveryFont(options.deliveryFont());
    layout.setReturnFont(options.returnFont());
    layout.setDeliveryFrom(asPassed(options.deliveryPosition()));
    layout.setReturnFrom(asPassed(options.returnPosition()));
    layout.setShift(options.printerShift());
    return {returnText,
            deliveryText,
            points(options.widthInches()),
            points(options.heightInches()),
            EnvelopeJob::kLeftPortrait,
            true,
            std::move(layout)};
}

} // namespace

EnvelopePreview::EnvelopePreview(const EnvelopeOptions& options, const QString& returnText,
                                 const QString& deliveryText)
    : m_renderer(jobFor(options, returnText, deliveryText))
{
}

QSizeF EnvelopePreview::sizePoints() const
{
    return m_renderer.pageSize().size(QPageSize::Point);
}

void EnvelopePreview::paint(QPainter& painter) const
{
    m_renderer.paint(painter);
}

QImage EnvelopePreview::toImage(double dotsPerInch) const
{
    return m_renderer.toImage(dotsPerInch);
}

} // namespace addrell
