#pragma once

#include <QFont>
#include <QString>

#include <optional>

namespace addrell {

// Asks the user for a font. The window gives the desktop's font dialog; tests answer in advance.
class FontChooser {
public:
    virtual ~FontChooser() = default;

    // The chosen font, or nothing when the user cancels.
    [[nodiscard]] virtual std::optional<QFont> chooseFont(const QFont& initial,
                                                          const QString& title) = 0;

protected:
    FontChooser() = default;
    FontChooser(const FontChooser&) = default;
    FontChooser& operator=(const FontChooser&) = default;
};

} // namespace addrell
