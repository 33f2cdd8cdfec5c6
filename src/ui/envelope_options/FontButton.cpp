#include "ui/envelope_options/FontButton.h"

#include "ui/envelope_options/FontChooser.h"

#include <QFontInfo>
#include <QLocale>

namespace addrell {

FontButton::FontButton(FontChooser& chooser, QString title, QWidget* parent)
    : QPushButton(parent), m_chooser(chooser), m_title(std::move(title)),
      m_font(AddressFont::delivery())
{
    setAddressFont(m_font);
    connect(this, &QPushButton::clicked, this, &FontButton::choose);
}

void FontButton::setAddressFont(const AddressFont& font)
{
    m_font = font;
    setText(describe(font));
}

QFont FontButton::toQFont(const AddressFont& font)
{
    QFont qfont(font.family());
    qfont.setPointSizeF(font.pointSize());
    qfont.setBold(font.bold());
    qfont.setItalic(font.italic());
    return qfont;
}

AddressFont FontButton::fromQFont(const QFont& font)
{
    // A font sized in pixels has no point size of its own.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return AddressFont(font.family(), points, font.bold(), font.italic());
}

QString FontButton::describe(const AddressFont& font)
{
    QString text =
        QStringLiteral("%1, %2 pt").arg(font.family(), QLocale().toString(font.pointSize()));
    if (font.bold()) {
        text += QStringLiteral(", bold");
    }
    if (font.italic()) {
        text += QStringLiteral(", italic");
    }
    return text;
}

void FontButton::choose()
{
    if (const auto chosen = m_chooser.chooseFont(toQFont(m_font), m_title)) {
        setAddressFont(fromQFont(*chosen));
        emit fontChosen();
    }
}

} // namespace addrell
