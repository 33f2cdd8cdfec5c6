#pragma once

#include <QImage>

namespace addrell::pictures {

// Addrell's own pictures: an envelope with a stamp for the icon, and a stamp with a postmark for
// the envelope on the main window.
class PictureArt {
public:
    static constexpr int kStampWidth = 150;
    static constexpr int kStampHeight = 54;

    // The icon at 16 or 32 pixels, drawn pixel by pixel for those sizes; any other size is the
    // 32-pixel drawing scaled. Outside the envelope the image is transparent.
    [[nodiscard]] static QImage icon(int size);
    [[nodiscard]] static QImage stamp();
};

} // namespace addrell::pictures
