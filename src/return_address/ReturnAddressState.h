#pragma once

#include "return_address/ReturnAddressEntry.h"

#include <QString>

#include <optional>

namespace addrell {

// The window's fields that the return address handlers read and write.
struct ReturnAddressState {
    QString strReturnFile;
    std::optional<ReturnAddressList> colAddresses; // absent until first used
    std::optional<ReturnAddressEntry> colEntry;    // nothing between entries
};

} // namespace addrell
