#pragma once

#include "automation/AutomationError.h"

#include <QString>

#include <cstdint>

namespace addrell {

// The errors the envelope printer server raises, numbered the way automation servers number
// theirs (negative HRESULTs in the control facility), so a caller can tell them apart.
namespace EnvelopePrinterError {
// The named printer is not known to the print server.
inline constexpr std::int32_t PrinterNotFound = static_cast<std::int32_t>(0x800A1701u);
// The print server refuses new jobs for the printer (rejected with cupsreject or by the printer).
inline constexpr std::int32_t PrinterNotAcceptingJobs = static_cast<std::int32_t>(0x800A1702u);
// The print server did not take the job, or the spool file could not be made.
inline constexpr std::int32_t SpoolFailed = static_cast<std::int32_t>(0x800A1703u);
// The user cancelled the question where to save the envelope as PDF.
inline constexpr std::int32_t PrintCancelled = static_cast<std::int32_t>(0x800A1704u);
// The PDF file could not be written.
inline constexpr std::int32_t PdfNotWritten = static_cast<std::int32_t>(0x800A1705u);
// The delivery address is empty: printing would waste an envelope.
inline constexpr std::int32_t NoDeliveryAddress = static_cast<std::int32_t>(0x800A1706u);
} // namespace EnvelopePrinterError

inline const QString kEnvelopePrinterSource = QStringLiteral("Envelope Printer");

[[nodiscard]] inline AutomationError envelopePrinterError(std::int32_t number, QString description)
{
    return AutomationError(number, std::move(description), kEnvelopePrinterSource);
}

} // namespace addrell
