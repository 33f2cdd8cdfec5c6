#pragma once

#include "vcard/MappedFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace addrell {

// The bytes of one `.vcf` file, taken in one go: mapped into memory when large, else read into
// a buffer that the caller reuses from file to file, since a vdir holds one small file per card.
// A mapped file that another program shortens while it is read costs the cards cut off, never
// the process (see MappedFile).
class VCardFile {
public:
    enum class Read {
        Whole,
        Partly, // a large file whose reading failed part way: its cards up to there count
        Not,    // not opened, or a small file whose reading failed
    };

    VCardFile(const QString& path, QByteArray& buffer);
    VCardFile(const VCardFile&) = delete;
    VCardFile& operator=(const VCardFile&) = delete;

    // Partly once a mapped file is found shortened: ask again after reading its bytes.
    [[nodiscard]] Read read() const;
    // Valid while this object and the buffer live.
    [[nodiscard]] QByteArrayView bytes() const noexcept { return m_bytes; }
    // Whether the file was found cut short under the end of `part`, a view into bytes(): then
    // the part's last bytes may be zeros rather than the file's, and its last card no card.
    // False for other bytes, such as a copy made of them.
    [[nodiscard]] bool cutShort(QByteArrayView part) const;

private:
    // Maps the whole file; false when it cannot be.
    bool map(int descriptor);

    QByteArrayView m_bytes;
    std::optional<MappedFile> m_mapping;
    Read m_read = Read::Not;
};

} // namespace addrell
