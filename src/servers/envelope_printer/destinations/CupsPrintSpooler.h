#pragma once

#include "servers/envelope_printer/destinations/PrintSpooler.h"

namespace addrell {

// The print server libcups is set up to use (CUPS_SERVER, client.conf, else the local
// scheduler). Qt's own CUPS printing drops the server's answer, so a refused or failed job would
// pass unnoticed; here every answer is looked at.
class CupsPrintSpooler final : public PrintSpooler {
public:
    [[nodiscard]] std::optional<QString> defaultPrinter() override;
    [[nodiscard]] PrinterAvailability availability(const QString& printer) override;
    [[nodiscard]] std::optional<SpoolFailure> submit(const QString& printer,
                                                     const QString& pdfFileName,
                                                     const QString& title,
                                                     const PrintOptions& options) override;
};

} // namespace addrell
