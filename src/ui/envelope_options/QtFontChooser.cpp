#include "ui/envelope_options/QtFontChooser.h"

#include <QApplication>
#include <QFontDialog>

namespace addrell {

std::optional<QFont> QtFontChooser::chooseFont(const QFont& initial, const QString& title)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, QApplication::activeWindow(), title);
    return chosen ? std::optional<QFont>(font) : std::nullopt;
}

} // namespace addrell
