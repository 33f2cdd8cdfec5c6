#include "servers/envelope_printer/EnvelopePrinterFont.h"

#include "servers/envelope_printer/render/EnvelopePrinterError.h"

#include <cmath>

namespace addrell {

namespace {

[[noreturn]] void outOfRange(const QString& what)
{
    throw envelopePrinterError(RuntimeError::InvalidProcedureCall,
                               QStringLiteral("Invalid procedure call or argument: %1").arg(what));
}

} // namespace

EnvelopePrinterFont::EnvelopePrinterFont(std::shared_ptr<AddressFont> font)
    : m_font(std::move(font))
{
}

QString EnvelopePrinterFont::Name()
{
    return m_font->family();
}

void EnvelopePrinterFont::Name(const QString& value)
{
    if (value.trimmed().isEmpty()) {
        outOfRange(QStringLiteral("a font needs a name."));
    }
    m_font->setFamily(value);
}

float EnvelopePrinterFont::Size()
{
    return static_cast<float>(m_font->pointSize());
}

void EnvelopePrinterFont::Size(float value)
{
    if (!std::isfinite(value) || value < AddressFont::kMinimumPoints ||
        value > AddressFont::kMaximumPoints) {
        outOfRange(QStringLiteral("a font of %1 points cannot be printed.").arg(value));
    }
    m_font->setPointSize(value);
}

bool EnvelopePrinterFont::Bold()
{
    return m_font->bold();
}

void EnvelopePrinterFont::Bold(bool value)
{
    m_font->setBold(value);
}

bool EnvelopePrinterFont::Italic()
{
    return m_font->italic();
}

void EnvelopePrinterFont::Italic(bool value)
{
    m_font->setItalic(value);
}

} // namespace addrell
