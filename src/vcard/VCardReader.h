#pragma once

#include "vcard/VCard.h"
#include "vcard/VCardLineReader.h"
#include "vcard/VCardPropertyFilter.h"
#include "vcard/VCardText.h"

#include <QByteArray>
#include <QIODevice>

#include <functional>
#include <optional>

namespace addrell {

// Reads the cards of a vCard 2.1, 3.0 or 4.0 source. Broken input is skipped, never fatal: lines
// that are no property and the parts beyond the limits below. A card whose END:VCARD is missing
// ends where the next card begins (outside an AGENT value) or where the input ends, as other
// readers take it; only one with nothing in it is dropped. Properties the filter does not keep
// are passed over in place, neither unfolded nor decoded; the limits count only those kept.
class VCardReader {
public:
    static constexpr qsizetype kMaxPropertiesPerCard = 1000;
    static constexpr qsizetype kMaxCardValueChars = qsizetype{4} << 20;

    using CardSink = std::function<void(const VCard&)>;

    // Reads `device` to its end, or to a read error, first.
    explicit VCardReader(QIODevice& device,
                         VCardPropertyFilter filter = VCardPropertyFilter::everything());
    // `text` is a VCardText's view, or a part of it cut at a line end, and must stay valid while
    // reading; `readError` says that reading the source failed where it ends.
    VCardReader(QByteArrayView text, VCardPropertyFilter filter, bool readError = false);
    // The same, `readError` asked only once the text is read: a mapped file can be found cut
    // short only after its bytes were looked at.
    VCardReader(QByteArrayView text, VCardPropertyFilter filter, std::function<bool()> readError);
    VCardReader(const VCardReader&) = delete;
    VCardReader& operator=(const VCardReader&) = delete;

    // Hands every card to `sink`, in order, each valid only during its call; returns how many.
    qsizetype readAll(const CardSink& sink);
    // Whether the input ended on a read error: its last card, cut short, is no card.
    [[nodiscard]] bool hasReadError() const noexcept { return m_readError; }

private:
    // Passes over the next line when its start tells enough: a line that is no property, or
    // one the filter drops that cannot change how the cards come out.
    bool passedOver();
    void beginCard();
    // A property of the open card, kept when the filter and the limits allow.
    void add(VCardProperty property, bool truncated);

    bool m_readError = false;
    std::function<bool()> m_askReadError;
    QByteArray m_read;               // what came from a device
    std::optional<VCardText> m_text; // ... as text
    VCardLineReader m_lines;
    VCardPropertyFilter m_filter;

    VCard m_card;
    bool m_inCard = false;
    // Whether the card took a property, which the filter may have dropped: a card with nothing
    // in it is none.
    bool m_filled = false;
    int m_embeddedDepth = 0;
    bool m_afterEmptyAgent = false;
    qsizetype m_valueChars = 0;
};

} // namespace addrell
