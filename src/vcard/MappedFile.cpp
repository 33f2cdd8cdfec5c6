#include "vcard/MappedFile.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace addrell {

namespace {

// One guarded mapping. Its range changes only while `version` is odd, so that the handler, which
// may run on any thread at any moment, reads it whole or not at all.
struct Slot {
    std::atomic<bool> taken = false;
    std::atomic<std::uint64_t> version = 0;
    std::atomic<std::uintptr_t> begin = 0;
    std::atomic<std::uintptr_t> end = 0;
    std::atomic<std::uintptr_t> firstLost = 0; // the first page put in place of the file's
};

// The handler may only touch atomics that need no lock.
static_assert(std::atomic<std::uint64_t>::is_always_lock_free &&
              std::atomic<std::uintptr_t>::is_always_lock_free);

// A few mappings per reading thread at most; a file that finds no slot free is read instead.
constexpr std::size_t kSlots = 64;
std::array<Slot, kSlots> guarded;
std::uintptr_t pageSize = 4096;
struct sigaction previousAction = {};

void setRange(Slot& slot, std::uintptr_t begin, std::uintptr_t end)
{
    slot.version.fetch_add(1);
    slot.begin.store(begin);
    slot.end.store(end);
    slot.firstLost.store(end);
    slot.version.fetch_add(1);
}

// Anonymous zero pages in place of [from, to), which they unmap.
bool zeroPages(std::uintptr_t from, std::uintptr_t to)
{
    constexpr int kFlags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED;
#ifdef SYS_mmap
    // The system call itself: the sanitizers' wrappers of mmap would take it for a write to
    // pages that other threads go on reading.
    return ::syscall(SYS_mmap, from, to - from, PROT_READ, kFlags, -1, 0) != -1;
#else
    return ::mmap(reinterpret_cast<void*>(from), to - from, PROT_READ, kFlags, -1, 0) != MAP_FAILED;
#endif
}

// Puts zeros in place of the guarded mapping's pages from the one holding `address` on: the
// file no longer reaches that page, and a file only ever loses its end. False when no guarded
// mapping holds `address`.
bool replaceLostPages(std::uintptr_t address)
{
    for (Slot& slot : guarded) {
        const std::uint64_t version = slot.version.load();
        if (version % 2 != 0) {
            continue; // being set up or torn down: nothing reads it
        }
        const std::uintptr_t begin = slot.begin.load();
        const std::uintptr_t end = slot.end.load();
        if (slot.version.load() != version || address < begin || address >= end) {
            continue;
        }
        const std::uintptr_t page = address & ~(pageSize - 1);
        if (!zeroPages(page, end)) {
            return false;
        }
        for (std::uintptr_t lost = slot.firstLost.load();
             page < lost && !slot.firstLost.compare_exchange_weak(lost, page);) {
        }
        return true;
    }
    return false;
}

void onBusError(int signal, siginfo_t* info, void* context)
{
    const int savedErrno = errno;
    const bool ours = info != nullptr && info->si_code == BUS_ADRERR &&
                      replaceLostPages(reinterpret_cast<std::uintptr_t>(info->si_addr));
    errno = savedErrno;
    if (ours) {
        return; // the read that faulted runs again, on zeros
    }
    // Someone else's: handled as it would have been without this handler.
    if ((previousAction.sa_flags & SA_SIGINFO) != 0) {
        previousAction.sa_sigaction(signal, info, context);
    } else if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(signal);
    } else {
        ::sigaction(SIGBUS, &previousAction, nullptr);
        ::raise(SIGBUS);
    }
}

bool installHandler()
{
    static const bool installed = [] {
        if (const long size = ::sysconf(_SC_PAGESIZE); size > 0) {
            pageSize = static_cast<std::uintptr_t>(size);
        }
        struct sigaction action = {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        ::sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, nullptr, &previousAction) == 0 &&
               ::sigaction(SIGBUS, &action, nullptr) == 0;
    }();
    return installed;
}

int claimSlot()
{
    for (std::size_t i = 0; i < guarded.size(); ++i) {
        bool taken = false;
        if (guarded[i].taken.compare_exchange_strong(taken, true)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

MappedFile::MappedFile(int descriptor)
{
    struct stat status = {};
    if (!installHandler() || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size <= 0) {
        return;
    }
    const int slot = claimSlot();
    if (slot < 0) {
        return;
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    void* const mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    const int own = mapped == MAP_FAILED ? -1 : ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (own < 0) {
        if (mapped != MAP_FAILED) {
            ::munmap(mapped, size);
        }
        guarded[static_cast<std::size_t>(slot)].taken.store(false);
        return;
    }
    const auto begin = reinterpret_cast<std::uintptr_t>(mapped);
    setRange(guarded[static_cast<std::size_t>(slot)], begin, begin + size);
    m_bytes = QByteArrayView(static_cast<const char*>(mapped), status.st_size);
    m_descriptor = own;
    m_slot = slot;
}

MappedFile::~MappedFile()
{
    if (m_slot < 0) {
        return;
    }
    Slot& slot = guarded[static_cast<std::size_t>(m_slot)];
    setRange(slot, 0, 0); // before the range can become someone else's
    ::munmap(const_cast<char*>(m_bytes.data()), static_cast<std::size_t>(m_bytes.size()));
    ::close(m_descriptor);
    slot.taken.store(false);
}

qsizetype MappedFile::intactBytes() const
{
    if (m_slot < 0) {
        return 0;
    }
    const Slot& slot = guarded[static_cast<std::size_t>(m_slot)];
    qsizetype intact = static_cast<qsizetype>(slot.firstLost.load() -
                                              reinterpret_cast<std::uintptr_t>(m_bytes.data()));
    // A cut inside a page costs no fault: the rest of that page reads as zeros.
    if (struct stat status = {}; ::fstat(m_descriptor, &status) == 0) {
        intact = std::min<qsizetype>(intact, status.st_size);
    }
    return std::clamp<qsizetype>(intact, 0, m_bytes.size());
}

} // namespace addrell
