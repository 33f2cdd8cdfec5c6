#include "servers/envelope_printer/destinations/CupsPrintSpooler.h"

#include <cups/cups.h>

#include <memory>

namespace addrell {

namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct IppDelete {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

} // namespace

std::optional<QString> CupsPrintSpooler::defaultPrinter()
{
    // Asks the server (or lpoptions) only: unlike a list of all destinations, this never
    // browses the network for printers.
    const std::unique_ptr<cups_dest_t, DestFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest) {
        return std::nullopt;
    }
    return QString::fromUtf8(dest->name);
}

PrinterAvailability CupsPrintSpooler::availability(const QString& printer)
{
    // A direct Get-Printer-Attributes: looking a name up through cupsGetNamedDest would browse
    // the network for a second when the server does not know it.
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", printer.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-is-accepting-jobs");
    const std::unique_ptr<ipp_t, IppDelete> response(
        cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        return PrinterAvailability::Missing;
    }
    ipp_attribute_t* accepting =
        ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    return accepting != nullptr && ippGetBoolean(accepting, 0) == 0
               ? PrinterAvailability::NotAcceptingJobs
               : PrinterAvailability::Accepting;
}

std::optional<SpoolFailure> CupsPrintSpooler::submit(const QString& printer,
                                                     const QString& pdfFileName,
                                                     const QString& title,
                                                     const PrintOptions& options)
{
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options) {
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
    }
    const int jobId = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(),
                                     pdfFileName.toLocal8Bit().constData(),
                                     title.toUtf8().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    if (jobId > 0) {
        return std::nullopt;
    }
    return SpoolFailure{cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS,
                        QString::fromUtf8(cupsLastErrorString())};
}

} // namespace addrell
