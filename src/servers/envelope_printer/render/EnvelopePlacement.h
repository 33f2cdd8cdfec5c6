#pragma once

#include <QSizeF>
#include <QTransform>

namespace addrell {

class EnvelopeJob;

// How the envelope image lies on the envelope-sized page the printer receives. The page is seen
// from its printed side, its top edge the leading edge (the one the printer takes in first).
//
// Word's orientation codes name the feed and the position across the paper path:
// - 0-2 portrait: long edge first, top edge leading; the image stays upright.
// - 3-5 landscape: short edge first, stamp end leading; the image is turned counter-clockwise.
// - 6-8 clockwise: short edge first, return-address end leading; the image is turned clockwise.
// The position only matters to the printer's paper guides, not to the page. Face up or down
// only says how the user loads the envelope.
//
// The program's two feeds:
// - "Print Center", 4 face up (centre-fed laser printers): short edge first, stamp end leading,
//   printed side up. The page is 4.13 x 9.5 in (297 x 684 pt, CUPS media
//   na_number-10_4.125x9.5in), the image a quarter turn counter-clockwise.
// - "Print Right", 6 face down (right-fed ink jets): short edge first, return-address end
//   leading, printed side down. The same page, the image a quarter turn clockwise.
class EnvelopePlacement {
public:
    // The quarter turn the feed needs, seen from the printed side.
    enum class Turn { None, Clockwise, CounterClockwise };

    // envelope in points, rounded to whole points as Qt keeps page sizes.
    [[nodiscard]] static EnvelopePlacement compute(QSizeF envelope, int orientation);
    [[nodiscard]] static EnvelopePlacement forJob(const EnvelopeJob& job);

    [[nodiscard]] QSizeF pageSize() const noexcept { return m_pageSize; }
    [[nodiscard]] QSizeF envelopeSize() const noexcept { return m_envelopeSize; }
    // Maps the upright envelope (points, origin at its top-left corner) onto the page.
    [[nodiscard]] QTransform envelopeToPage() const;

private:
    EnvelopePlacement(QSizeF pageSize, QSizeF envelopeSize, Turn turn);

    QSizeF m_pageSize;
    QSizeF m_envelopeSize;
    Turn m_turn;
};

} // namespace addrell
