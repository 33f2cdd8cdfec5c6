#pragma once

#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <optional>

namespace addrell {

class EnvelopeJob;

// Where the envelope image lies on the page the printer receives. The page is seen from its
// printed side, its top edge the leading edge (the one the printer takes in first), its width
// across the paper path.
//
// Word's orientation codes name the feed and the position across the paper path:
// - 0-2 portrait: long edge first, top edge leading; the image stays upright.
// - 3-5 landscape: short edge first, stamp end leading; the image is turned counter-clockwise.
// - 6-8 clockwise: short edge first, return-address end leading; the image is turned clockwise.
// Left, centre and right are on the page as the printer lays it out. Face up or down only says
// how the user loads the envelope: face down, the page's left is the tray's right as the user
// sees it.
//
// The program's two feeds:
// - "Print Center", 4 face up (centre-fed laser printers): the envelope goes in short edge
//   first, stamp end leading, printed side up, centred in the paper path. The page is 4.13 x
//   9.5 in (297 x 684 pt, CUPS media na_number-10_4.125x9.5in), the image a quarter turn
//   counter-clockwise.
// - "Print Right", 6 face down (right-fed ink jets): short edge first, return-address end
//   leading, printed side down, against the tray's right-hand side. The same page, the image a
//   quarter turn clockwise; on a larger sheet it lies at the sheet's left edge.
//
// An envelope-sized page (no sheet given) is the envelope itself, turned as the feed needs; on a
// larger sheet the envelope lies at the leading edge, at the left, centre or right. A sheet too
// small for the turned envelope is grown so both addresses stay whole.
class EnvelopePlacement {
public:
    // The quarter turn the feed needs, seen from the printed side.
    enum class Turn { None, Clockwise, CounterClockwise };

    // envelope and sheet in points; both are rounded to whole points, as Qt keeps page sizes.
    [[nodiscard]] static EnvelopePlacement compute(QSizeF envelope, int orientation,
                                                   std::optional<QSizeF> sheet = std::nullopt);
    [[nodiscard]] static EnvelopePlacement forJob(const EnvelopeJob& job,
                                                  std::optional<QSizeF> sheet = std::nullopt);

    [[nodiscard]] QSizeF pageSize() const noexcept { return m_pageSize; }
    [[nodiscard]] QSizeF envelopeSize() const noexcept { return m_envelopeSize; }
    [[nodiscard]] Turn turn() const noexcept { return m_turn; }
    // The turned envelope's outline on the page.
    [[nodiscard]] QRectF envelopeRect() const noexcept { return m_envelopeRect; }
    // Maps the upright envelope (points, origin at its top-left corner) onto the page.
    [[nodiscard]] QTransform envelopeToPage() const;

private:
    EnvelopePlacement(QSizeF pageSize, QSizeF envelopeSize, Turn turn, QRectF envelopeRect);

    QSizeF m_pageSize;
    QSizeF m_envelopeSize;
    Turn m_turn;
    QRectF m_envelopeRect;
};

} // namespace addrell
