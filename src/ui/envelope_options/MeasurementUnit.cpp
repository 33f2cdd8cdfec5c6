#include "ui/envelope_options/MeasurementUnit.h"

#include <algorithm>

namespace addrell {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;

} // namespace

MeasurementUnit MeasurementUnit::forLocale(const QLocale& locale)
{
    return MeasurementUnit(locale.measurementSystem() == QLocale::ImperialUSSystem);
}

double MeasurementUnit::fromPoints(double points) const
{
    const double inches = points / kPointsPerInch;
    return m_inches ? inches : inches * kMillimetresPerInch;
}

double MeasurementUnit::toPoints(double value) const
{
    const double inches = m_inches ? value : value / kMillimetresPerInch;
    return inches * kPointsPerInch;
}

QString MeasurementUnit::symbol() const
{
    return m_inches ? QStringLiteral("in") : QStringLiteral("mm");
}

QString MeasurementUnit::format(double points, const QLocale& locale) const
{
    QString text = locale.toString(fromPoints(points), 'f', decimals());
    const QChar point = locale.decimalPoint().front();
    while (text.contains(point) && (text.endsWith(QLatin1Char('0')) || text.endsWith(point))) {
        text.chop(1);
    }
    return text;
}

QString MeasurementUnit::formatSize(QSizeF points, const QLocale& locale) const
{
    const double shorter = std::min(points.width(), points.height());
    const double longer = std::max(points.width(), points.height());
    return QStringLiteral("%1 x %2 %3")
        .arg(format(shorter, locale), format(longer, locale), symbol());
}

} // namespace addrell
