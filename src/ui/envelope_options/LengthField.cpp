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
    return m_unit.toPoints(value());
}

void LengthField::setPoints(double points)
{
    setValue(m_unit.fromPoints(points));
}

void LengthField::setRangePoints(double minimumPoints, double maximumPoints)
{
    setRange(m_unit.fromPoints(minimumPoints), m_unit.fromPoints(maximumPoints));
}

} // namespace addrell
