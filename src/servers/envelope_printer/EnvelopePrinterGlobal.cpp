#include "servers/envelope_printer/EnvelopePrinterGlobal.h"

#include "servers/envelope_printer/render/EnvelopePrinterError.h"

namespace addrell {

Variant EnvelopePrinterGlobal::InchesToPoints(const Variant& Inches)
{
    try {
        return Variant(Inches.toSingle() * 72.0F);
    } catch (const AutomationError& error) {
        throw envelopePrinterError(error.number(), error.description());
    }
}

} // namespace addrell
