#include "servers/envelope_printer/EnvelopePrinterServer.h"

#include "servers/envelope_printer/EnvelopePrinterApplication.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/EnvelopePrinterGlobal.h"
#include "servers/envelope_printer/destinations/CupsPrintSpooler.h"
#include "servers/envelope_printer/destinations/QtPdfSaveLocation.h"

namespace addrell {

std::shared_ptr<word::Application> EnvelopePrinterServer::createApplication()
{
    EnvelopePrinterBackend backend;
    backend.spooler = std::make_shared<CupsPrintSpooler>();
    backend.saveLocation = std::make_shared<QtPdfSaveLocation>();
    return EnvelopePrinterApplication::create(std::move(backend));
}

std::shared_ptr<word::Global> EnvelopePrinterServer::createGlobal()
{
    return std::make_shared<EnvelopePrinterGlobal>();
}

} // namespace addrell
