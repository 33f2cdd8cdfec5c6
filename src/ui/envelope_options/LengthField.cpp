#include "ui/envelope_options/LengthField.h"

#include <cmath>

namespace addrell {

LengthField::LengthField(MeasurementUnit unit, double minimumPoints, double maximumPoints,
                         QWidget* parent)
    : QDoubleSpinBox(parent), m_unit(unit)
{
    setDecimals(unit.decimals());
    setSingleStep(unit.isInches() ? 0.125 : 1.0);
    setSuffix(QLatin1Char(' ') + unit.symbol());
    setRangePoints(minimumPoints, maximumPoints);
    setKeyboardTracking(false); // one change per finished entry, not per keystroke
}

double LengthField::points() const
{
    return m_exact && value() == m_shown ? *m_exact : m_unit.toPoints(value());
}

void LengthField::setPoints(double points)
{
    const double shown = m_unit.fromPoints(points);
    setValue(shown);
    m_shown = value();
    // Out of range, the field shows its limit, and that is the length.
    m_exact = shown >= minimum() && shown <= maximum() ? std::optional(points) : std::nullopt;
}

void LengthField::setRangePoints(double minimumPoints, double maximumPoints)
{
    setRange(m_unit.fromPoints(minimumPoints), m_unit.fromPoints(maximumPoints));
}

} // namespace addrell
