#pragma once

#include "vcard/VCardProperty.h"

#include <QByteArrayView>

#include <optional>

namespace addrell {

// Turns one unfolded content line into a property.
class VCardPropertyParser {
public:
    // What the start of a content line shows when it holds the colon that ends the name and
    // parameters: whether the line is a property and what it is called.
    struct Head {
        QByteArrayView header; // the name and parameters
        QByteArrayView name;   // as written; empty when the line is no property
    };

    // Nothing when `start` holds no such colon: then only the whole line tells.
    [[nodiscard]] static std::optional<Head> head(QByteArrayView start);
    // Nothing for a line that is no property (no colon, or a name with characters no vCard name
    // has). Inline binary values (ENCODING=b / BASE64) come back empty: nothing here shows them.
    [[nodiscard]] static std::optional<VCardProperty> parse(QByteArrayView line);

    [[nodiscard]] static bool isBinary(const VCardProperty& property);
};

} // namespace addrell
