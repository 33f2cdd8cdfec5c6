#include "servers/address_book/VCardFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace addrell {

namespace {

// Most cards of a vdir fit at once.
constexpr qsizetype kFirstReadBytes = 64 * 1024;
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
    if (buffer.size() < kFirstReadBytes) {
        buffer.resize(kFirstReadBytes);
    }
    qsizetype count = 0;
    bool sized = false;
    for (;;) {
        if (count == buffer.size()) {
            // Read rather than mapped: a mapped file that another program shortens while it is
            // read would end the process.
            struct stat status = {};
            const bool known = !sized && ::fstat(file.get(), &status) == 0 &&
                               S_ISREG(status.st_mode) && status.st_size >= count;
            buffer.resize(known ? static_cast<qsizetype>(status.st_size) + 1 : buffer.size() * 2);
            sized = true;
        }
        const ssize_t got = ::read(file.get(), buffer.data() + count,
                                   static_cast<std::size_t>(buffer.size() - count));
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

} // namespace addrell
