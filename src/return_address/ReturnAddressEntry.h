#pragma once

#include "util/KeyedCollection.h"

#include <QString>

namespace addrell {

// One six-line record of a return address file, under the keys Name, AddLine1, AddLine2, CSZ,
// Blank and End, and the list of at most 20 such records in file order.
using ReturnAddressEntry = KeyedCollection<QString>;
using ReturnAddressList = KeyedCollection<ReturnAddressEntry>;

// The entry's text as it is printed: five lines, each ending in CR LF, then the (empty) end marker.
[[nodiscard]] QString ComposeReturnAddress(const ReturnAddressEntry& entry);

} // namespace addrell
