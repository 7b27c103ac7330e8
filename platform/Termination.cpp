#include "platform/Termination.h"

#include "platform/Filenamebytes.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGTERM, SIGINT, SIGHUP};
// A file the library makes in the folder between a reading and the removal keeps it; the
// removal looks again this often.
constexpr int kRemovalRounds = 3;
// A save of the user's store arms three at once: the private copy's folder, the library's lock
// beside the store and the new file beside it.
constexpr std::size_t kRemovalsMax = 8;
// The self-test's report on its worker, the log on the window's thread, and a spare.
constexpr std::size_t kAdditionsMax = 4;
// How often a thread that handed a signal over looks whether it was taken.
constexpr timespec kHandOverPoll = {0, 1000000};

enum TSlotState : int { kFree, kWriting, kArmed, kTaken };

// Only what a signal handler may touch: fixed buffers and states without a lock. A slot is
// written only by the one who took it free, and acted on only by the one who took it armed.
struct TRemoval
{
    std::atomic<int> state = kFree;
    bool folder = false;
    char name[PATH_MAX] = {};
};
struct TAddition
{
    std::atomic<int> state = kFree;
    std::atomic<pid_t> thread = 0;
    int fd = -1;
    off_t size = 0;
};
std::array<TRemoval, kRemovalsMax> s_Removals;
std::array<TAddition, kAdditionsMax> s_Additions;
std::array<struct sigaction, kEndingSignals.size()> s_Former;

// The stop: while one lives the first signal noted, or 0; and a pipe that wakes the event loop.
constexpr int kNoStop = -1;
std::atomic<int> s_Stop = kNoStop;
std::array<int, 2> s_Wake = {-1, -1};
// The signal that ends the program, once a handler decided so; else 0.
std::atomic<int> s_Ending = 0;

std::atomic<void (*)()> s_AdditionsLookedAtHook = nullptr;

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<pid_t>::is_always_lock_free
                  && std::atomic<void (*)()>::is_always_lock_free,
              "a signal's handler may not wait for a lock");

// Takes a free slot; its index, or -1 when all are taken.
template <typename TSlots>
int takeFree(TSlots& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        int free = kFree;
        if (table[i].state.compare_exchange_strong(free, kWriting))
            return int(i);
    }
    return -1;
}

// Gives the removal's slot back, unless a signal's handler took it meanwhile: then it is the
// handler's.
void releaseRemoval(int& slot)
{
    if (slot < 0)
        return;
    int armed = kArmed;
    s_Removals[std::size_t(slot)].state.compare_exchange_strong(armed, kFree);
    slot = -1;
}

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

void removeArmed()
{
    for (TRemoval& slot : s_Removals) {
        int armed = kArmed;
        if (!slot.state.compare_exchange_strong(armed, kTaken))
            continue;
        if (slot.folder)
            removeFolder(slot.name);
        else
            ::unlink(slot.name);
    }
}

// Takes back the additions of this thread.
void undoOwnAdditions(pid_t self)
{
    for (TAddition& slot : s_Additions) {
        int armed = kArmed;
        if (slot.thread == self && slot.state.compare_exchange_strong(armed, kTaken))
            (void)::ftruncate(slot.fd, slot.size);
    }
}

// A thread still adding to a file would write on while this one cut it: it is handed the signal,
// to take its addition back itself and end the program. One that has finished adding meanwhile
// leaves the end to this thread.
void handOverToAdders(pid_t self, int signal)
{
    for (TAddition& slot : s_Additions) {
        if (slot.state != kArmed)
            continue;
        const pid_t adder = slot.thread;
        if (adder == 0 || adder == self || ::tgkill(::getpid(), adder, signal) != 0)
            continue;
        while (slot.state == kArmed && slot.thread == adder)
            ::nanosleep(&kHandOverPoll, nullptr);
        while (slot.state == kTaken)
            ::pause();
    }
}

std::size_t indexOf(int signal)
{
    std::size_t i = 0;
    while (i + 1 < kEndingSignals.size() && kEndingSignals[i] != signal)
        ++i;
    return i;
}

void onEndingSignal(int signal)
{
    const int saved = errno;
    int none = 0;
    // Once the program is ending, a stop made meanwhile does not keep it.
    if (s_Ending == 0 && s_Stop.compare_exchange_strong(none, signal)) {
        const char wake = 1;
        (void)!::write(s_Wake[1], &wake, 1);
        errno = saved;
        return;
    }
    const struct sigaction& former = s_Former[indexOf(signal)];
    // A former handler of the program's own may not end it: then nothing is taken back.
    if ((former.sa_flags & SA_SIGINFO) == 0 && former.sa_handler == SIG_DFL) {
        // Before the slots are looked at: an addition armed after its slot was looked at is
        // never begun.
        s_Ending = signal;
        const pid_t self = ::gettid();
        undoOwnAdditions(self);
        handOverToAdders(self, signal);
        if (const auto hook = s_AdditionsLookedAtHook.load())
            hook();
        removeArmed();
    }
    // Held while this handler runs, the signal then does what it did before.
    ::sigaction(signal, &former, nullptr);
    ::raise(signal);
    errno = saved;
}

// Puts the handler in place over each signal's action, unless it is there or the signal is
// ignored. Again at each use: a signal's former action is given back when it ends the program,
// and someone may have put another in place since.
void install()
{
    static std::mutex installing;
    const std::lock_guard lock(installing);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        struct sigaction current = {};
        ::sigaction(kEndingSignals[i], nullptr, &current);
        if ((current.sa_flags & SA_SIGINFO) == 0
            && (current.sa_handler == SIG_IGN || current.sa_handler == onEndingSignal))
            continue;
        s_Former[i] = current;
        struct sigaction action = {};
        action.sa_handler = onEndingSignal;
        // A first signal that only asks for a stop does not fail the call it came during.
        action.sa_flags = SA_RESTART;
        // One signal at a time on a thread: a second one waits until the first is decided.
        sigemptyset(&action.sa_mask);
        for (const int signal : kEndingSignals)
            sigaddset(&action.sa_mask, signal);
        ::sigaction(kEndingSignals[i], &action, nullptr);
    }
}

void drainWake()
{
    char bytes[64];
    while (::read(s_Wake[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace

CRemovedAtTermination::~CRemovedAtTermination()
{
    releaseRemoval(m_Slot);
}

void CRemovedAtTermination::arm(const QString& name, TKind kind)
{
    releaseRemoval(m_Slot);
    const QByteArray bytes = bytesOfFileName(name);
    if (bytes.isEmpty() || bytes.size() >= qsizetype(PATH_MAX))
        return;
    install();
    m_Slot = takeFree(s_Removals);
    if (m_Slot < 0)
        return;
    TRemoval& slot = s_Removals[std::size_t(m_Slot)];
    std::memcpy(slot.name, bytes.constData(), size_t(bytes.size()) + 1);
    slot.folder = kind == TKind::Folder;
    slot.state = kArmed;
}

CUndoneAtTermination::CUndoneAtTermination(int fd, off_t size)
{
    install();
    m_Slot = takeFree(s_Additions);
    if (m_Slot < 0)
        return;
    TAddition& slot = s_Additions[std::size_t(m_Slot)];
    slot.fd = fd;
    slot.size = size;
    slot.thread = ::gettid();
    slot.state = kArmed;
    // The program is ending, and its handler may have looked at this slot before it was armed:
    // the addition is not begun, this thread ends the program as that handler does.
    if (const int ending = s_Ending.load(); ending != 0) {
        ::raise(ending);
        for (;;)
            ::pause();
    }
}

CUndoneAtTermination::~CUndoneAtTermination()
{
    if (m_Slot < 0)
        return;
    // Its thread is cleared before it is free: a handler on this thread never takes a slot that
    // another thread armed since for its own.
    TAddition& slot = s_Additions[std::size_t(m_Slot)];
    int armed = kArmed;
    if (!slot.state.compare_exchange_strong(armed, kWriting))
        return;
    slot.thread = 0;
    slot.state = kFree;
}

CStopAtTermination::CStopAtTermination(std::function<void()> stop)
    : m_Stop(std::move(stop))
{
    if (s_Wake[0] < 0 && ::pipe2(s_Wake.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    drainWake();
    install();
    s_Stop = 0;
    m_Notifier = std::make_unique<QSocketNotifier>(s_Wake[0], QSocketNotifier::Read);
    QObject::connect(m_Notifier.get(), &QSocketNotifier::activated, m_Notifier.get(), [this] {
        drainWake();
        if (m_Stop)
            m_Stop();
    });
}

CStopAtTermination::~CStopAtTermination()
{
    if (m_Notifier == nullptr)
        return;
    const int noted = s_Stop.exchange(kNoStop);
    drainWake();
    // Noted after the caller last asked, it would be lost: it ends the program now instead.
    if (noted != m_Answered)
        ::raise(noted);
}

int CStopAtTermination::signal() const
{
    if (m_Notifier != nullptr)
        m_Answered = s_Stop.load();
    return m_Answered;
}

void removeFolderWithFiles(const QString& folder)
{
    removeFolder(bytesOfFileName(folder).constData());
}

void failWritesPastTheFileSizeLimit()
{
    // Caught, not ignored: a program started from this one begins with the default.
    struct sigaction action = {};
    action.sa_handler = [](int) {};
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}

void setAdditionsLookedAtHook(void (*hook)())
{
    s_AdditionsLookedAtHook = hook;
}
