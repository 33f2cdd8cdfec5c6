#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace addrell {

// The bytes of one `.vcf` file, taken in one go: mapped into memory when large, else read into
// a buffer that the caller reuses from file to file, since a vdir holds one small file per card.
class VCardFile {
public:
    enum class Read {
        Whole,
        Partly, // a large file whose reading failed part way: its cards up to there count
        Not,    // not opened, or a small file whose reading failed
    };

    VCardFile(const QString& path, QByteArray& buffer);
    ~VCardFile();
    VCardFile(const VCardFile&) = delete;
    VCardFile& operator=(const VCardFile&) = delete;

    [[nodiscard]] Read read() const noexcept { return m_read; }
    // Valid while this object and the buffer live.
    [[nodiscard]] QByteArrayView bytes() const noexcept { return m_bytes; }

private:
    // Maps the whole file; false when it cannot be.
    bool map(int descriptor);

    QByteArrayView m_bytes;
    void* m_mapped = nullptr;
    qsizetype m_mappedSize = 0;
    Read m_read = Read::Not;
};

} // namespace addrell
