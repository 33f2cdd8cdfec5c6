#pragma once

#include "envelopes/AddressFont.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace addrell {

// An address set as a block of lines, sized to fit the area it is printed in. Sizes are in
// points; the font is made for the device that will be painted on, so a painter whose world
// transform maps points to that device draws the block at its measured size.
class AddressBlock {
public:
    // The font shrinks from the style's size until the block is no taller than maxSize, and no
    // wider unless that would take it below kMinimumWidthPoints; lines still too wide are then cut
    // short with an ellipsis. Below kFloorPoints lines that do not fit are left out.
    [[nodiscard]] static AddressBlock fit(const QString& text, const AddressFont& style,
                                          QSizeF maxSize, const QPaintDevice& device);

    // Lines as the address boxes hold them: separated by CR LF, LF or CR; blank lines at the
    // end are dropped, blank lines inside are kept.
    [[nodiscard]] static QStringList splitLines(const QString& text);

    static constexpr double kMinimumWidthPoints = 6.0;
    static constexpr double kFloorPoints = 1.0;

    [[nodiscard]] const QStringList& lines() const noexcept { return m_lines; }
    [[nodiscard]] double pointSize() const noexcept { return m_pointSize; }
    [[nodiscard]] QSizeF size() const noexcept { return m_size; }

    void draw(QPainter& painter, QPointF topLeft) const;

private:
    AddressBlock(QFont font, QStringList lines, double pointSize, QSizeF size, double ascent,
                 double lineSpacing);

    QFont m_font;
    QStringList m_lines;
    double m_pointSize;
    QSizeF m_size;
    double m_ascent;
    double m_lineSpacing;
};

} // namespace addrell
