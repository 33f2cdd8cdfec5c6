#pragma once

#include "servers/address_book/VCard.h"
#include "servers/address_book/VCardLineReader.h"

#include <QIODevice>

#include <functional>
#include <optional>

namespace addrell {

// Streams the cards of a vCard 2.1, 3.0 or 4.0 source one at a time, so a large file is never
// held in memory as cards. Broken input is skipped, never fatal: lines that are no property and
// the parts beyond the limits below. A card whose END:VCARD is missing ends where the next card
// begins (outside an AGENT value) or where the input ends, as other readers take it; only one
// with nothing in it is dropped.
class VCardReader {
public:
    static constexpr qsizetype kMaxPropertiesPerCard = 1000;
    static constexpr qsizetype kMaxCardValueChars = qsizetype{4} << 20;

    using CardSink = std::function<void(const VCard&)>;

    explicit VCardReader(QIODevice& device);

    // The next complete card, or nothing when the input has no further one.
    [[nodiscard]] std::optional<VCard> next();
    // Hands every remaining card to `sink`, in order; returns how many.
    qsizetype readAll(const CardSink& sink);
    // Whether reading stopped on an error before the end of the input.
    [[nodiscard]] bool hasReadError() const noexcept { return m_lines.hasReadError(); }

private:
    VCardLineReader m_lines;
    bool m_cardBegun = false; // the last call stopped at the BEGIN of the next card
};

} // namespace addrell
