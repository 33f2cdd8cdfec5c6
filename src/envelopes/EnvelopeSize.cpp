#include "envelopes/EnvelopeSize.h"

namespace addrell {

namespace {

constexpr double kMillimetersPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

} // namespace

EnvelopeSize::EnvelopeSize(QString key, QString name, double width, double height, Unit unit,
                           QByteArray media)
    : m_key(std::move(key)), m_name(std::move(name)), m_width(width), m_height(height),
      m_unit(unit), m_media(std::move(media))
{
}

QSizeF EnvelopeSize::sizePoints() const noexcept
{
    return {widthInches() * kPointsPerInch, heightInches() * kPointsPerInch};
}

double EnvelopeSize::inches(double length) const noexcept
{
    return m_unit == Unit::Inch ? length : length / kMillimetersPerInch;
}

} // namespace addrell
