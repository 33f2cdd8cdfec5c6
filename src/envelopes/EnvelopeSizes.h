#pragma once

#include "envelopes/EnvelopeSize.h"

#include <optional>
#include <vector>

namespace addrell {

// The envelope sizes the program offers, US #10 first, and the user's own ("Custom").
class EnvelopeSizes {
public:
    static inline const QString kCustomKey = QStringLiteral("custom");

    // Every listed size, in the order a list shows them; Custom is not among them.
    [[nodiscard]] static const std::vector<EnvelopeSize>& all();
    // The business envelope the program has always printed.
    [[nodiscard]] static const EnvelopeSize& number10();
    [[nodiscard]] static std::optional<EnvelopeSize> byKey(const QString& key);
    // A size of the user's; its media is a self-describing PWG name.
    [[nodiscard]] static EnvelopeSize custom(double width, double height, EnvelopeSize::Unit unit);
    // The listed size with these sides, given in points either way round, to within a point.
    [[nodiscard]] static std::optional<EnvelopeSize> matching(QSizeF points);
};

} // namespace addrell
