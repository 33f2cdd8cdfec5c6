#pragma once

#include "vcard/VCardReader.h"

#include <QString>

#include <optional>

namespace addrell {

// One of Thunderbird's address book files (`abook.sqlite`, `history.sqlite`, `abook-N.sqlite`),
// read from a private copy of the file and its log, taken at each count and each read: its cards
// as vCards, its mailing lists as group cards.
class ThunderbirdBook {
public:
    explicit ThunderbirdBook(QString path);

    // Its contacts, not its lists; nothing when the file is no address book or is damaged.
    [[nodiscard]] std::optional<qint64> count() const;

    // Hands every card, then every list, to `sink`, in the order they were added. A card's vCard
    // is its own (Thunderbird 102 and later) or is built from its separate fields. A file that
    // is no address book or is damaged is AutomationError 75, as an unreadable folder is.
    void readCards(const VCardReader::CardSink& sink) const;

private:
    QString m_path;
};

} // namespace addrell
