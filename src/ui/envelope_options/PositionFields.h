#pragma once

#include "ui/envelope_options/MeasurementUnit.h"

#include <QPointF>
#include <QWidget>

#include <optional>

class QCheckBox;

namespace addrell {

class LengthField;

// Where an address block goes: "Automatic", or its distance from the left and top edges.
class PositionFields : public QWidget {
    Q_OBJECT
public:
    PositionFields(MeasurementUnit unit, const QString& name, QWidget* parent = nullptr);

    [[nodiscard]] std::optional<QPointF> position() const;
    // Automatic shows `suggested` in the fields, where unticking starts from.
    void setPosition(std::optional<QPointF> position, QPointF suggested);
    // The distances reach no further than the envelope.
    void setEnvelope(QSizeF points);

signals:
    void changed();

private:
    void showAutomatic(bool automatic);

    QCheckBox* m_automatic;
    LengthField* m_left;
    LengthField* m_top;
};

} // namespace addrell
