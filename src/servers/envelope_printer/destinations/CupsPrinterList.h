#pragma once

#include "servers/envelope_printer/destinations/AvailablePrinter.h"

#include <vector>

namespace addrell {

// The print queues of the print server libcups is set up to use, for the envelope options
// dialog: the ones envelopes can be sent to by name. Printers the network merely announces are
// left out, as they are no queue yet and the list never waits for them.
class CupsPrinterList {
public:
    // Sorted by name; empty when no print server answers.
    [[nodiscard]] static std::vector<AvailablePrinter> available();
};

} // namespace addrell
