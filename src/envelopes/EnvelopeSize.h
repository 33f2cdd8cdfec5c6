#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

namespace addrell {

// One envelope size: its sides in the unit its standard gives them and the media name print
// servers know it by (PWG 5101.1). Width is the long side and height the short one, as the word
// processor's Envelope measures an envelope lying the way it is addressed.
class EnvelopeSize {
public:
    enum class Unit { Inch, Millimeter };

    // key: stable, for settings ("number-10", "dl", "custom"); name: shown ("US #10").
    EnvelopeSize(QString key, QString name, double width, double height, Unit unit,
                 QByteArray media);

    [[nodiscard]] const QString& key() const noexcept { return m_key; }
    [[nodiscard]] const QString& name() const noexcept { return m_name; }
    [[nodiscard]] double width() const noexcept { return m_width; }
    [[nodiscard]] double height() const noexcept { return m_height; }
    [[nodiscard]] Unit unit() const noexcept { return m_unit; }
    [[nodiscard]] const QByteArray& media() const noexcept { return m_media; }

    [[nodiscard]] double widthInches() const noexcept { return inches(m_width); }
    [[nodiscard]] double heightInches() const noexcept { return inches(m_height); }
    // Width x height at 72 points to the inch.
    [[nodiscard]] QSizeF sizePoints() const noexcept;

    friend bool operator==(const EnvelopeSize&, const EnvelopeSize&) = default;

private:
    [[nodiscard]] double inches(double length) const noexcept;

    QString m_key;
    QString m_name;
    double m_width;
    double m_height;
    Unit m_unit;
    QByteArray m_media;
};

} // namespace addrell
