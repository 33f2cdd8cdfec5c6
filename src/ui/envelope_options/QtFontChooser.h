#pragma once

#include "ui/envelope_options/FontChooser.h"

namespace addrell {

// The desktop's font dialog, over the active window.
class QtFontChooser final : public FontChooser {
public:
    [[nodiscard]] std::optional<QFont> chooseFont(const QFont& initial,
                                                  const QString& title) override;
};

} // namespace addrell
