#pragma once

#include "servers/address_book/contact/VCardContact.h"

#include <QLocale>

#include <vector>

class QMimeData;

namespace addrell {

// What the desktop clipboard holds, seen as a selection of contacts: nothing, vCard cards (copied
// from an address book program, or `.vcf` files copied in a file manager), or anything else.
class ClipboardContents {
public:
    enum class Kind { Empty, Cards, Other };

    // Reads `data` (null counts as empty). Files named in a uri-list are read at once; one that
    // cannot be read raises error 75.
    [[nodiscard]] static ClipboardContents read(const QMimeData* data, QLocale::Territory home);

    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    // The cards, in clipboard order; may be empty when vCard data held no readable card.
    [[nodiscard]] const std::vector<VCardContact>& cards() const noexcept { return m_cards; }

private:
    explicit ClipboardContents(Kind kind, std::vector<VCardContact> cards = {});

    Kind m_kind;
    std::vector<VCardContact> m_cards;
};

} // namespace addrell
