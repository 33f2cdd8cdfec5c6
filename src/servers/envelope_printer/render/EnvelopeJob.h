#pragma once

#include "servers/envelope_printer/render/EnvelopeLayout.h"

#include <QSizeF>
#include <QString>

namespace addrell {

// One envelope to print: the two address texts, the envelope's size, how it is fed and how its
// addresses are set. Orientation follows Word's envelope numbering; the constructor rejects what
// no printer could print, so every job that exists can be rendered.
class EnvelopeJob {
public:
    // Word's envelope orientations: three feed directions, each at three positions.
    static constexpr int kLeftPortrait = 0;
    static constexpr int kCenterPortrait = 1;
    static constexpr int kRightPortrait = 2;
    static constexpr int kLeftLandscape = 3;
    static constexpr int kCenterLandscape = 4;
    static constexpr int kRightLandscape = 5;
    static constexpr int kLeftClockwise = 6;
    static constexpr int kCenterClockwise = 7;
    static constexpr int kRightClockwise = 8;

    // Throws AutomationError 5 for a size or orientation out of range, a position off the
    // envelope or a shift that is no number.
    EnvelopeJob(QString returnAddress, QString deliveryAddress, double widthPoints,
                double heightPoints, int orientation, bool faceUp, EnvelopeLayout layout = {});

    [[nodiscard]] const QString& returnAddress() const noexcept { return m_returnAddress; }
    [[nodiscard]] const QString& deliveryAddress() const noexcept { return m_deliveryAddress; }
    [[nodiscard]] double widthPoints() const noexcept { return m_widthPoints; }
    [[nodiscard]] double heightPoints() const noexcept { return m_heightPoints; }
    [[nodiscard]] int orientation() const noexcept { return m_orientation; }
    // How the user loads the envelope; the page is drawn from its printed side either way.
    [[nodiscard]] bool faceUp() const noexcept { return m_faceUp; }
    [[nodiscard]] const EnvelopeLayout& layout() const noexcept { return m_layout; }

    // The same envelope upright (long edge first, not turned), as a PDF shows it.
    [[nodiscard]] EnvelopeJob upright() const;

    // The envelope as a page holds it: Qt keeps page sizes in whole points (297.36 becomes 297).
    [[nodiscard]] QSizeF pageSizePoints() const;

private:
    QString m_returnAddress;
    QString m_deliveryAddress;
    double m_widthPoints;
    double m_heightPoints;
    int m_orientation;
    bool m_faceUp;
    EnvelopeLayout m_layout;
};

} // namespace addrell
