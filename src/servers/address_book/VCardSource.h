#pragma once

#include "servers/address_book/VCardContact.h"
#include "servers/address_book/VCardReader.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace addrell {

// A folder of contacts on disk: a directory of `.vcf` files (the vdir layout CardDAV sync tools
// write) or a single `.vcf` file holding any number of cards.
class VCardSource {
public:
    static constexpr std::int32_t kMailItemType = 0;    // olMailItem
    static constexpr std::int32_t kContactItemType = 2; // olContactItem

    // How many threads read the cards, and from what size of work on: less work than that is
    // done on the calling thread alone, where starting threads would cost more than it saves.
    struct Threads {
        int count = idealCount();
        qsizetype minFiles = 64;                  // a directory of fewer files is not shared
        qsizetype partBytes = qsizetype{1} << 20; // the parts a single file is cut into
        [[nodiscard]] static int idealCount();
    };

    // Looks at `path` once; the listing does not follow later changes on disk.
    explicit VCardSource(const QString& path);

    // kContactItemType when the source holds `.vcf` files, else kMailItemType.
    [[nodiscard]] std::int32_t defaultItemType() const noexcept;
    // The vdir `displayname` when there is one, else the directory or file name without `.vcf`.
    [[nodiscard]] const QString& displayName() const noexcept { return m_displayName; }
    // The `.vcf` files to read, directories' files sorted by name.
    [[nodiscard]] const QStringList& files() const noexcept { return m_files; }

    // Hands every card of every file to `sink`, with every property, in order, on the calling
    // thread. A file that cannot be opened or read to its end is skipped; when no file could be
    // read, AutomationError 75 (path/file access error) names the first.
    void readCards(const VCardReader::CardSink& sink) const;
    // Every card as a contact record, in file order, the same as readCards would give with
    // the same errors, but read and mapped on `threads`. `home` is as for VCardContact.
    [[nodiscard]] std::vector<VCardContact> readContacts(QLocale::Territory home,
                                                         const Threads& threads) const;
    [[nodiscard]] std::vector<VCardContact> readContacts(QLocale::Territory home) const;

private:
    using Parts = std::vector<std::vector<VCardContact>>;

    // The one file's text cut into parts at card boundaries, each read on its own.
    [[nodiscard]] Parts readInParts(QLocale::Territory home, const Threads& threads,
                                    std::vector<char>& readable) const;
    // Runs of the files, each run read on one thread.
    [[nodiscard]] Parts readInRuns(QLocale::Territory home, const Threads& threads,
                                   std::vector<char>& readable) const;
    // Throws error 75 when no file was read and one could not be.
    void failUnlessAnyRead(const std::vector<char>& readable) const;

    QString m_displayName;
    QStringList m_files;
};

} // namespace addrell
