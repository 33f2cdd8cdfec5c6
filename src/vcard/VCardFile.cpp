#include "vcard/VCardFile.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
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

VCardFile::~VCardFile()
{
    if (m_mapped != nullptr) {
        ::munmap(m_mapped, static_cast<std::size_t>(m_mappedSize));
    }
}

bool VCardFile::map(int descriptor)
{
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size <= kMapBytes) {
        return false;
    }
    void* const mapped = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ,
                                MAP_PRIVATE, descriptor, 0);
    if (mapped == MAP_FAILED) {
        return false;
    }
    m_mapped = mapped;
    m_mappedSize = status.st_size;
    m_bytes = QByteArrayView(static_cast<const char*>(mapped), m_mappedSize);
    m_read = Read::Whole;
    return true;
}

} // namespace addrell
