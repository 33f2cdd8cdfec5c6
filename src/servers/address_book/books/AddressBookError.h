#pragma once

#include "automation/AutomationError.h"

#include <QString>

#include <cstdint>

namespace addrell {

// The errors the address book server raises itself, numbered and worded as the contacts program
// words them, with the server as their source.
class AddressBookError {
public:
    static inline const QString kSource = QStringLiteral("Address Book");
    // DISP_E_EXCEPTION, the number the contacts program's own failures arrive with.
    static constexpr std::int32_t kServerException = static_cast<std::int32_t>(0x80020009u);

    AddressBookError() = delete;

    // A selection index past the selected items.
    [[nodiscard]] static AutomationError indexOutOfBounds();
    // Error 5, with a description that names what was wrong.
    [[nodiscard]] static AutomationError invalidArgument(const QString& description);
};

} // namespace addrell
