#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace addrell {

// The bytes of one `.vcf` file, read in one go into a buffer that the caller reuses from file to
// file, since a vdir holds one small file per card.
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

    [[nodiscard]] Read read() const noexcept { return m_read; }
    // Valid while this object and the buffer live.
    [[nodiscard]] QByteArrayView bytes() const noexcept { return m_bytes; }

private:
    QByteArrayView m_bytes;
    Read m_read = Read::Not;
};

} // namespace addrell
