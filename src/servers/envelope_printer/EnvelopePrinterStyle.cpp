#include "servers/envelope_printer/EnvelopePrinterStyle.h"

#include "servers/envelope_printer/EnvelopePrinterFont.h"

namespace addrell {

EnvelopePrinterStyle::EnvelopePrinterStyle(std::shared_ptr<AddressFont> font)
    : m_font(std::move(font))
{
}

std::shared_ptr<word::Font> EnvelopePrinterStyle::Font()
{
    return std::make_shared<EnvelopePrinterFont>(m_font);
}

} // namespace addrell
