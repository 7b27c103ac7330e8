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

// Only what a signal handler may touch: a fixed buffer and a flag without a lock.
char s_Folder[PATH_MAX];
std::atomic<bool> s_Armed = false;
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
    if (s_Armed.exchange(false))
        removeFolder(s_Folder);
    // Held while this handler runs, the signal then ends the program as it would have.
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (kEndingSignals[i] == signal)
            ::sigaction(signal, &s_Previous[i], nullptr);
    }
    ::raise(signal);
    errno = saved;
}

void installOnce()
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

} // namespace

CRemovedAtTermination::~CRemovedAtTermination()
{
    s_Armed = false;
}

void CRemovedAtTermination::arm(const QString& folder)
{
    const QByteArray bytes = bytesOfFileName(folder);
    if (bytes.size() >= qsizetype(sizeof s_Folder))
        return;
    installOnce();
    s_Armed = false;
    std::memcpy(s_Folder, bytes.constData(), size_t(bytes.size()) + 1);
    s_Armed = true;
}
