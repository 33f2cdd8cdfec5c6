#pragma once

#include "servers/envelope_printer/destinations/PrintTarget.h"

#include <memory>

namespace addrell {

class PdfSaveLocation;
class PrintSpooler;

// Where the server's envelopes go, shared by every object the server hands out; the
// application's ActivePrinter sets the target.
struct EnvelopePrinterBackend {
    PrintTarget target = PrintTarget::defaultPrinter();
    std::shared_ptr<PrintSpooler> spooler;
    std::shared_ptr<PdfSaveLocation> saveLocation;
};

} // namespace addrell
