#pragma once

#include "servers/address_book/VCardProperty.h"

#include <QByteArrayView>

#include <optional>

namespace addrell {

// Turns one unfolded content line into a property.
class VCardPropertyParser {
public:
    // Nothing for a line that is no property (no colon, or a name with characters no vCard name
    // has). Inline binary values (ENCODING=b / BASE64) come back empty: nothing here shows them.
    [[nodiscard]] static std::optional<VCardProperty> parse(QByteArrayView line);

    [[nodiscard]] static bool isBinary(const VCardProperty& property);
};

} // namespace addrell
