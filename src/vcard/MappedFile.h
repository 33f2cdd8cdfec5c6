#pragma once

#include <QByteArrayView>

namespace addrell {

// A regular file mapped read-only into memory, safe against the file shrinking under it. Reading
// a mapped page that another program cut off the file raises SIGBUS, which would end the
// process; for the pages of these mappings a handler, installed once, puts zeros in their place
// and the reading goes on. What was read there is then worthless, and intactBytes() says where
// that begins.
class MappedFile {
public:
    // Maps all of the file open as `descriptor`, which may be closed afterwards; isMapped() is
    // false when the file is no regular file or empty, or mapping or guarding it fails.
    explicit MappedFile(int descriptor);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    [[nodiscard]] bool isMapped() const noexcept { return m_slot >= 0; }
    // Valid while this object lives.
    [[nodiscard]] QByteArrayView bytes() const noexcept { return m_bytes; }
    // How many of the first bytes are known to be the file's: all of them unless it was cut
    // short since it was mapped, else those before the cut, as far as it shows.
    [[nodiscard]] qsizetype intactBytes() const;

private:
    QByteArrayView m_bytes;
    int m_descriptor = -1; // our own, to see the file's size later
    int m_slot = -1;       // in the table of guarded mappings
};

} // namespace addrell
