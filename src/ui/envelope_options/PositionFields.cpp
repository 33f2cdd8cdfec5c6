#include "ui/envelope_options/PositionFields.h"

#include "ui/envelope_options/LengthField.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace addrell {

namespace {

// Zero would read as "automatic" for that edge, so a set distance is at least a point.
constexpr double kNearestPoints = 1.0;
constexpr double kFurthestPoints = 1440.0;

} // namespace

PositionFields::PositionFields(MeasurementUnit unit, const QString& name, QWidget* parent)
    : QWidget(parent), m_automatic(new QCheckBox(QStringLiteral("Automatic"), this)),
      m_left(new LengthField(unit, kNearestPoints, kFurthestPoints, this)),
      m_top(new LengthField(unit, kNearestPoints, kFurthestPoints, this))
{
    m_automatic->setAccessibleName(name + QStringLiteral(" automatic"));
    m_left->setAccessibleName(name + QStringLiteral(" from left"));
    m_top->setAccessibleName(name + QStringLiteral(" from top"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_automatic);
    row->addWidget(new QLabel(QStringLiteral("From left:"), this));
    row->addWidget(m_left);
    row->addWidget(new QLabel(QStringLiteral("From top:"), this));
    row->addWidget(m_top);
    m_automatic->setChecked(true);
    showAutomatic(true);

    connect(m_automatic, &QCheckBox::toggled, this, &PositionFields::showAutomatic);
    connect(m_automatic, &QCheckBox::toggled, this, &PositionFields::changed);
    connect(m_left, &LengthField::valueChanged, this, &PositionFields::changed);
    connect(m_top, &LengthField::valueChanged, this, &PositionFields::changed);
}

std::optional<QPointF> PositionFields::position() const
{
    if (m_automatic->isChecked()) {
        return std::nullopt;
    }
    return QPointF(m_left->points(), m_top->points());
}

void PositionFields::setPosition(std::optional<QPointF> position, QPointF suggested)
{
    const QSignalBlocker blockAutomatic(m_automatic);
    const QSignalBlocker blockLeft(m_left);
    const QSignalBlocker blockTop(m_top);
    m_automatic->setChecked(!position);
    m_left->setPoints(position.value_or(suggested).x());
    m_top->setPoints(position.value_or(suggested).y());
    showAutomatic(!position);
}

void PositionFields::setEnvelope(QSizeF points)
{
    // The caller reads the position again; a distance cut to the new size is not a user's edit.
    const QSignalBlocker blockLeft(m_left);
    const QSignalBlocker blockTop(m_top);
    // A block starts on the envelope, short of its far edges.
    m_left->setRangePoints(kNearestPoints, points.width() - kNearestPoints);
    m_top->setRangePoints(kNearestPoints, points.height() - kNearestPoints);
}

void PositionFields::showAutomatic(bool automatic)
{
    m_left->setEnabled(!automatic);
    m_top->setEnabled(!automatic);
}

} // namespace addrell
