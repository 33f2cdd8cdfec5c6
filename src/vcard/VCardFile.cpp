#include "vcard/VCardFile.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace addrell {

namespace {

// Larger files are mapped rather than copied.
constexpr qsizetype kMapBytes = 64 * 1024;
// A file up to this size whose reading fails counts as not read at all, a larger one as read
// up to the failure.
constexpr qsizetype kWholeFileBytes = qsizetype{1} << 20;

// The system calls themselves rather than QFile's: a vdir costs an open, a read or two and a
// close per card, and QFile's checks around them nearly double that.
class Descriptor {
public:
    explicit Descriptor(const QString& path)
        : m_descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
    }
    ~Descriptor()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int get() const noexcept { return m_descriptor; }

    // Through a buffer whose size the compiler sees, so that a fortified build checks the read;
    // the copy is small beside the scan that follows.
    [[nodiscard]] ssize_t read(char* into, std::size_t room) const
    {
        std::array<char, kMapBytes> chunk;
        const ssize_t got = ::read(m_descriptor, chunk.data(), std::min(room, chunk.size()));
        if (got > 0) {
            std::memcpy(into, chunk.data(), static_cast<std::size_t>(got));
        }
        return got;
    }

private:
    int m_descriptor;
};

} // namespace

VCardFile::VCardFile(const QString& path, QByteArray& buffer)
{
    const Descriptor file(path);
    if (file.get() < 0) {
        return;
    }
    if (buffer.size() < kMapBytes) {
        buffer.resize(kMapBytes);
    }
    qsizetype count = 0;
    bool triedMapping = false;
    for (;;) {
        if (count == buffer.size()) {
            if (!triedMapping && map(file.get())) {
                return;
            }
            triedMapping = true; // not mapped: read on
            buffer.resize(buffer.size() * 2);
        }
        const ssize_t got =
            file.read(buffer.data() + count, static_cast<std::size_t>(buffer.size() - count));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got == 0) {
            m_bytes = QByteArrayView(buffer.constData(), count);
            m_read = Read::Whole;
            return;
        }
        if (got < 0) {
            struct stat status = {};
            if (::fstat(file.get(), &status) == 0 && status.st_size > kWholeFileBytes) {
                m_bytes = QByteArrayView(buffer.constData(), count);
                m_read = Read::Partly;
            }
            return;
        }
        count += got;
    }
}

VCardFile::Read VCardFile::read() const
{
    return m_mapping && m_mapping->intactBytes() < m_bytes.size() ? Read::Partly : m_read;
}

bool VCardFile::cutShort(QByteArrayView part) const
{
    if (!m_mapping) {
        return false;
    }
    const auto begin = reinterpret_cast<std::uintptr_t>(m_bytes.data());
    const auto start = reinterpret_cast<std::uintptr_t>(part.data());
    if (start < begin || start - begin + static_cast<std::uintptr_t>(part.size()) >
                             static_cast<std::uintptr_t>(m_bytes.size())) {
        return false;
    }
    return m_mapping->intactBytes() < static_cast<qsizetype>(start - begin) + part.size();
}

bool VCardFile::map(int descriptor)
{
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size <= kMapBytes) {
        return false;
    }
    m_mapping.emplace(descriptor);
    if (!m_mapping->isMapped()) {
        m_mapping.reset();
        return false;
    }
    m_bytes = m_mapping->bytes();
    m_read = Read::Whole;
    return true;
}

} // namespace addrell
