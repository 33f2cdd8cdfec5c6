#pragma once

#include "vcard/VCardReader.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <stdexcept>
#include <vector>

namespace addrell {

// A folder of contacts on disk: a directory of `.vcf` files (the vdir layout CardDAV sync tools
// write) or a single `.vcf` file holding any number of cards.
class VCardSource {
public:
    // Thrown when none of the source's files could be read; names the first of them.
    class Unreadable : public std::runtime_error {
    public:
        explicit Unreadable(QString path)
            : std::runtime_error("no vCard file could be read"), m_path(std::move(path))
        {
        }
        [[nodiscard]] const QString& path() const noexcept { return m_path; }

    private:
        QString m_path;
    };

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

    // Whether the path named `.vcf` files at all, rather than some other file or folder.
    [[nodiscard]] bool holdsCards() const noexcept { return !m_files.isEmpty(); }
    // The vdir `displayname` when there is one, else the directory or file name without `.vcf`.
    [[nodiscard]] const QString& displayName() const noexcept { return m_displayName; }
    // The `.vcf` files to read, directories' files sorted by name.
    [[nodiscard]] const QStringList& files() const noexcept { return m_files; }

    // Hands every card of every file to `sink`, with every property, in order, on the calling
    // thread. A file that cannot be opened or read to its end is skipped; when no file could be
    // read, Unreadable names the first.
    void readCards(const VCardReader::CardSink& sink) const;

    // Told the number of parts before any card is read.
    using PartCount = std::function<void(qsizetype parts)>;
    // Takes each card with the index of its part; called on any of the threads, but the cards
    // of one part come in file order from one thread, and the parts in order make the files.
    using PartSink = std::function<void(qsizetype part, const VCard& card)>;
    // The same cards as readCards, with the same errors, but only `filter`'s properties, read
    // on `threads`.
    void readCards(const VCardPropertyFilter& filter, const Threads& threads,
                   const PartCount& count, const PartSink& sink) const;

private:
    // The one file's text cut into parts at card boundaries, each read on its own.
    void readInParts(const VCardPropertyFilter& filter, const Threads& threads,
                     const PartCount& count, const PartSink& sink,
                     std::vector<char>& readable) const;
    // Runs of the files, each run read on one thread.
    void readInRuns(const VCardPropertyFilter& filter, const Threads& threads,
                    const PartCount& count, const PartSink& sink,
                    std::vector<char>& readable) const;
    // Throws Unreadable when no file was read and one could not be.
    void failUnlessAnyRead(const std::vector<char>& readable) const;

    QString m_displayName;
    QStringList m_files;
};

} // namespace addrell
