#pragma once

#include "automation/outlook/OutlookApplication.h"
#include "servers/address_book/AddressBookFolder.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <optional>

namespace addrell {

// One address book the user can choose: its name as the chooser shows it, its number of cards
// where that was cheap to learn, and how its cards are read.
class AddressBook {
public:
    // A book of another program; `feed` is called when the folder is loaded.
    AddressBook(QString name, AddressBookFolder::CardFeed feed,
                std::optional<qint64> count = std::nullopt);

    // What a path names: a Thunderbird address book for a `.sqlite` file, else a `.vcf` file or
    // a folder of them (which may turn out to be no contacts folder at all).
    [[nodiscard]] static AddressBook fromPath(const QString& path);
    // A `.vcf` file or folder, shown as `name`.
    [[nodiscard]] static AddressBook vCardFiles(const QString& path, QString name);

    [[nodiscard]] const QString& name() const noexcept { return m_name; }
    [[nodiscard]] const std::optional<qint64>& count() const noexcept { return m_count; }

    // A new folder over the book, read when its items are first asked for.
    [[nodiscard]] std::shared_ptr<outlook::MAPIFolder> open(QLocale::Territory home) const;

private:
    QString m_name;
    std::optional<qint64> m_count;
    AddressBookFolder::CardFeed m_feed;
    QString m_path; // vCard files only
};

} // namespace addrell
