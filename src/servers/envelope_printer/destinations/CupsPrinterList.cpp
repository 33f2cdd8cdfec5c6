#include "servers/envelope_printer/destinations/CupsPrinterList.h"

#include <cups/cups.h>

#include <algorithm>

namespace addrell {

namespace {

// Enough for the local server to answer; it does not wait for the network.
constexpr int kTimeoutMs = 5000;

QString option(const cups_dest_t& dest, const char* name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

int addPrinter(void* list, unsigned flags, cups_dest_t* dest)
{
    // Instances (name/instance) are the same queue with other saved options.
    if ((flags & CUPS_DEST_FLAGS_REMOVED) == 0 && dest->instance == nullptr) {
        static_cast<std::vector<AvailablePrinter>*>(list)->emplace_back(
            QString::fromUtf8(dest->name), option(*dest, "printer-info"), dest->is_default != 0,
            option(*dest, "printer-is-accepting-jobs") != QLatin1String("false"));
    }
    return 1;
}

} // namespace

std::vector<AvailablePrinter> CupsPrinterList::available()
{
    std::vector<AvailablePrinter> printers;
    // Local queues only: a DISCOVERED mask with a LOCAL type browses nothing on the network.
    cupsEnumDests(CUPS_DEST_FLAGS_NONE, kTimeoutMs, nullptr, CUPS_PRINTER_LOCAL,
                  CUPS_PRINTER_DISCOVERED, &addPrinter, &printers);
    std::sort(printers.begin(), printers.end(),
              [](const AvailablePrinter& a, const AvailablePrinter& b) {
                  return QString::localeAwareCompare(a.name(), b.name()) < 0;
              });
    return printers;
}

} // namespace addrell
