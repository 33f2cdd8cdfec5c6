#include "servers/envelope_printer/CupsPrintSpooler.h"

#include <cups/cups.h>

#include <memory>
#include <sys/socket.h>

namespace addrell {

namespace {

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct IppDelete {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

// A connection to the chosen server. Holding nothing means libcups's own default connection,
// except when connecting to an explicitly named server failed (then `reached` is false).
struct Connection {
    std::unique_ptr<http_t, HttpClose> http;
    bool reached = true;

    [[nodiscard]] http_t* get() const { return http.get(); }
};

constexpr int kConnectTimeoutMs = 5000;

Connection connectTo(const QString& server)
{
    if (server.isEmpty()) {
        return {};
    }
    const QByteArray host = server.toUtf8();
    Connection connection{std::unique_ptr<http_t, HttpClose>(
        httpConnect2(host.constData(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED,
                     1, kConnectTimeoutMs, nullptr))};
    connection.reached = connection.http != nullptr;
    return connection;
}

} // namespace

CupsPrintSpooler::CupsPrintSpooler(QString server) : m_server(std::move(server)) {}

std::optional<QString> CupsPrintSpooler::defaultPrinter()
{
    const Connection connection = connectTo(m_server);
    if (!connection.reached) {
        return std::nullopt;
    }
    // Asks the server (or lpoptions) only: unlike a list of all destinations, this never
    // browses the network for printers.
    const std::unique_ptr<cups_dest_t, DestFree> dest(
        cupsGetNamedDest(connection.get(), nullptr, nullptr));
    if (!dest) {
        return std::nullopt;
    }
    return QString::fromUtf8(dest->name);
}

PrinterAvailability CupsPrintSpooler::availability(const QString& printer)
{
    const Connection connection = connectTo(m_server);
    if (!connection.reached) {
        return PrinterAvailability::Missing;
    }
    // A direct Get-Printer-Attributes: looking a name up through cupsGetNamedDest would browse
    // the network for a second when the server does not know it.
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", printer.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-is-accepting-jobs");
    const std::unique_ptr<ipp_t, IppDelete> response(cupsDoRequest(connection.get(), request, "/"));
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
    const Connection connection = connectTo(m_server);
    if (!connection.reached) {
        return SpoolFailure{false,
                            QStringLiteral("the print server %1 does not answer.").arg(m_server)};
    }
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options) {
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
    }
    const int jobId = cupsPrintFile2(connection.get(), printer.toUtf8().constData(),
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
