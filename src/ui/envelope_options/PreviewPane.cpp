#include "ui/envelope_options/PreviewPane.h"

#include "automation/AutomationError.h"

#include <QPainter>

#include <algorithm>

namespace addrell {

namespace {

constexpr int kMargin = 6;

QString orSample(const QString& text, const QString& sample)
{
    return text.trimmed().isEmpty() ? sample : text;
}

} // namespace

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Preview"));
}

void PreviewPane::setEnvelope(const EnvelopeOptions& options, const QString& returnText,
                              const QString& deliveryText)
{
    m_options = options;
    m_returnText = returnText;
    m_deliveryText = deliveryText;
    m_cache = QImage();
    update();
}

double PreviewPane::dotsPerInch() const
{
    const double across = std::max(1, width() - 2 * kMargin);
    const double down = std::max(1, height() - 2 * kMargin);
    return std::min(across / m_options.widthInches(), down / m_options.heightInches()) *
           devicePixelRatioF();
}

std::optional<EnvelopePreview> PreviewPane::envelope() const
{
    try {
        return EnvelopePreview(m_options, orSample(m_returnText, kSampleReturn),
                               orSample(m_deliveryText, kSampleDelivery));
    } catch (const AutomationError&) {
        return std::nullopt;
    }
}

QImage PreviewPane::picture(double dotsPerInch) const
{
    const std::optional<EnvelopePreview> shown = envelope();
    return shown ? shown->toImage(dotsPerInch) : QImage();
}

void PreviewPane::paintEvent(QPaintEvent* /*event*/)
{
    if (m_cache.isNull()) {
        m_cache = picture(dotsPerInch());
        m_cache.setDevicePixelRatio(devicePixelRatioF());
    }
    const QSizeF shown = m_cache.deviceIndependentSize();
    const QPointF corner((width() - shown.width()) / 2.0, (height() - shown.height()) / 2.0);
    QPainter painter(this);
    painter.drawImage(corner, m_cache);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(QRectF(corner, shown).adjusted(-0.5, -0.5, 0.5, 0.5));
}

void PreviewPane::resizeEvent(QResizeEvent* event)
{
    m_cache = QImage();
    QWidget::resizeEvent(event);
}

} // namespace addrell
