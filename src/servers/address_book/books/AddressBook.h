#pragma once

#include "vcard/VCardReader.h"

#include <QString>

#include <functional>
#include <optional>

namespace addrell {

// One address book the user can choose: its name as the chooser shows it, its number of cards
// where that was cheap to learn, and how its cards are read.
class AddressBook {
public:
    // Hands every card of the book to the sink, in the book's order.
    using CardFeed = std::function<void(const VCardReader::CardSink&)>;

    // A book of another program; `feed` is called when the folder is loaded.
    AddressBook(QString name, CardFeed feed, std::optional<qint64> count = std::nullopt);

    // What a path names: a Thunderbird address book for a `.sqlite` file, else a `.vcf` file or
    // a folder of them (which may turn out to be no contacts folder at all).
    [[nodiscard]] static AddressBook fromPath(const QString& path);
    // A `.vcf` file or folder, shown as `name`.
    [[nodiscard]] static AddressBook vCardFiles(const QString& path, QString name);

    [[nodiscard]] const QString& name() const noexcept { return m_name; }
    [[nodiscard]] const std::optional<qint64>& count() const noexcept { return m_count; }
    // How another program's book is read; empty for vCard files.
    [[nodiscard]] const CardFeed& feed() const noexcept { return m_feed; }
    // The `.vcf` file or folder; empty for another program's book.
    [[nodiscard]] const QString& path() const noexcept { return m_path; }

private:
    QString m_name;
    std::optional<qint64> m_count;
    CardFeed m_feed;
    QString m_path; // vCard files only
};

} // namespace addrell
