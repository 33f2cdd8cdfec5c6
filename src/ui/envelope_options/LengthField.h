#pragma once

#include "ui/envelope_options/MeasurementUnit.h"

#include <QDoubleSpinBox>

namespace addrell {

// A length typed in the user's unit and kept in points.
class LengthField : public QDoubleSpinBox {
    Q_OBJECT
public:
    LengthField(MeasurementUnit unit, double minimumPoints, double maximumPoints,
                QWidget* parent = nullptr);

    [[nodiscard]] double points() const;
    void setPoints(double points);
    void setRangePoints(double minimumPoints, double maximumPoints);
    [[nodiscard]] const MeasurementUnit& unit() const noexcept { return m_unit; }

private:
    MeasurementUnit m_unit;
};

} // namespace addrell
