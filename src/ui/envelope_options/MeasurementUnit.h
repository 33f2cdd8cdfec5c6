#pragma once

#include <QLocale>
#include <QSizeF>
#include <QString>

namespace addrell {

// The unit lengths are shown and typed in: inches where the locale measures in US units,
// millimetres everywhere else. Lengths are kept in points.
class MeasurementUnit {
public:
    [[nodiscard]] static MeasurementUnit forLocale(const QLocale& locale);
    [[nodiscard]] static MeasurementUnit inches() { return MeasurementUnit(true); }
    [[nodiscard]] static MeasurementUnit millimetres() { return MeasurementUnit(false); }

    [[nodiscard]] bool isInches() const noexcept { return m_inches; }
    [[nodiscard]] double fromPoints(double points) const;
    [[nodiscard]] double toPoints(double value) const;
    // Enough to give every catalogued envelope exactly: 4.125 in, 104.8 mm.
    [[nodiscard]] int decimals() const noexcept { return m_inches ? 3 : 1; }
    [[nodiscard]] QString symbol() const;
    // A length without needless zeros: "9.5", "110".
    [[nodiscard]] QString format(double points, const QLocale& locale = {}) const;
    // Short side first, as envelopes are named: "4.125 x 9.5 in", "110 x 220 mm".
    [[nodiscard]] QString formatSize(QSizeF points, const QLocale& locale = {}) const;

private:
    explicit MeasurementUnit(bool inches) : m_inches(inches) {}

    bool m_inches;
};

} // namespace addrell
