#pragma once

#include "ui/envelope_options/MeasurementUnit.h"

#include <QDoubleSpinBox>

#include <optional>

namespace addrell {

// A length typed in the user's unit and kept in points. A length set here is shown rounded to
// the field's decimals but kept exact until the user changes it, so opening the options and
// pressing OK changes nothing.
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
    std::optional<double> m_exact; // the points set, while the field still shows them
    double m_shown = 0.0;
};

} // namespace addrell
