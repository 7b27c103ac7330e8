#include "platform/Terminationcleanup.h"

#include "platform/Filenamebytes.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGTERM, SIGINT, SIGHUP};
// A file the library makes in the folder between a reading and the removal keeps it; the
// removal looks again this often.
constexpr int kRemovalRounds = 3;
// A save of the user's store arms three at once: the private copy's folder, the library's lock
// beside the store and the new file beside it.
constexpr std::size_t kArmedMax = 8;

enum TSlotState : int { kFree, kWriting, kArmed, kRemoving };

// Only what a signal handler may touch: fixed buffers and states without a lock. A slot is
// written only by the one who took it free, and removed only by the one who took it armed.
struct TSlot
{
    std::atomic<int> state = kFree;
    bool folder = false;
    char name[PATH_MAX] = {};
};
std::array<TSlot, kArmedMax> s_Slots;
std::array<struct sigaction, kEndingSignals.size()> s_Previous;

void removeFolder(const char* folder)
{
    for (int round = 0; round < kRemovalRounds; ++round) {
        const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        alignas(dirent64) char entries[4096];
        ssize_t length = 0;
        while ((length = ::getdents64(fd, entries, sizeof entries)) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* entry = reinterpret_cast<const dirent64*>(entries + at);
                if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                    ::unlinkat(fd, entry->d_name, 0);
                at += entry->d_reclen;
            }
        }
        ::close(fd);
        if (::rmdir(folder) == 0 || errno != ENOTEMPTY)
            return;
    }
}

void onEndingSignal(int signal)
{
    const int saved = errno;
    for (TSlot& slot : s_Slots) {
        int armed = kArmed;
        if (!slot.state.compare_exchange_strong(armed, kRemoving))
            continue;
        if (slot.folder)
            removeFolder(slot.name);
        else
            ::unlink(slot.name);
    }
    // Held while this handler runs, the signal then ends the program as it would have.
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (kEndingSignals[i] == signal)
            ::sigaction(signal, &s_Previous[i], nullptr);
    }
    ::raise(signal);
    errno = saved;
}

} // namespace

void installRemovalAtTermination()
{
    static const bool installed = [] {
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            ::sigaction(kEndingSignals[i], nullptr, &s_Previous[i]);
            if (s_Previous[i].sa_handler != SIG_DFL)
                continue;
            struct sigaction action = {};
            action.sa_handler = onEndingSignal;
            sigemptyset(&action.sa_mask);
            ::sigaction(kEndingSignals[i], &action, nullptr);
        }
        return true;
    }();
    (void)installed;
}

CRemovedAtTermination::~CRemovedAtTermination()
{
    release();
}

void CRemovedAtTermination::release()
{
    if (m_Slot < 0)
        return;
    // Taken by a signal's handler meanwhile, it is the handler's.
    int armed = kArmed;
    s_Slots[std::size_t(m_Slot)].state.compare_exchange_strong(armed, kFree);
    m_Slot = -1;
}

void CRemovedAtTermination::arm(const QString& name, TKind kind)
{
    release();
    const QByteArray bytes = bytesOfFileName(name);
    if (bytes.isEmpty() || bytes.size() >= qsizetype(PATH_MAX))
        return;
    installRemovalAtTermination();
    for (std::size_t i = 0; i < s_Slots.size(); ++i) {
        int free = kFree;
        if (!s_Slots[i].state.compare_exchange_strong(free, kWriting))
            continue;
        std::memcpy(s_Slots[i].name, bytes.constData(), size_t(bytes.size()) + 1);
        s_Slots[i].folder = kind == TKind::Folder;
        s_Slots[i].state = kArmed;
        m_Slot = int(i);
        return;
    }
}

void removeFolderWithFiles(const QString& folder)
{
    removeFolder(bytesOfFileName(folder).constData());
}
