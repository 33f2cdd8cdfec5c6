#pragma once

#include "servers/address_book/VCardReader.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace addrell {

// A folder of contacts on disk: a directory of `.vcf` files (the vdir layout CardDAV sync tools
// write) or a single `.vcf` file holding any number of cards.
class VCardSource {
public:
    static constexpr std::int32_t kMailItemType = 0;    // olMailItem
    static constexpr std::int32_t kContactItemType = 2; // olContactItem

    // Looks at `path` once; the listing does not follow later changes on disk.
    explicit VCardSource(const QString& path);

    // kContactItemType when the source holds `.vcf` files, else kMailItemType.
    [[nodiscard]] std::int32_t defaultItemType() const noexcept;
    // The vdir `displayname` when there is one, else the directory or file name without `.vcf`.
    [[nodiscard]] const QString& displayName() const noexcept { return m_displayName; }
    // The `.vcf` files to read, directories' files sorted by name.
    [[nodiscard]] const QStringList& files() const noexcept { return m_files; }

    // Hands every card of every file to `sink`, in order. A file that cannot be opened or read
    // to its end is skipped; when no file could be read, AutomationError 75 (path/file access
    // error) names the first.
    void readCards(const VCardReader::CardSink& sink) const;

private:
    // Whether the file could be opened and read to its end.
    static bool readFile(const QString& path, const VCardReader::CardSink& sink);

    QString m_displayName;
    QStringList m_files;
};

} // namespace addrell
