#pragma once

#include "envelopes/AddressFont.h"

#include <QPushButton>

namespace addrell {

class FontChooser;

// Shows an address font ("Times New Roman, 12 pt") and, clicked, asks for another.
class FontButton : public QPushButton {
    Q_OBJECT
public:
    FontButton(FontChooser& chooser, QString title, QWidget* parent = nullptr);

    [[nodiscard]] const AddressFont& addressFont() const noexcept { return m_font; }
    void setAddressFont(const AddressFont& font);

    [[nodiscard]] static QFont toQFont(const AddressFont& font);
    [[nodiscard]] static AddressFont fromQFont(const QFont& font);
    [[nodiscard]] static QString describe(const AddressFont& font);

signals:
    void fontChosen();

private:
    void choose();

    FontChooser& m_chooser;
    QString m_title;
    AddressFont m_font;
};

} // namespace addrell
