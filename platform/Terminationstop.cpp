#include "platform/Terminationstop.h"

#include "platform/Terminationcleanup.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGTERM, SIGINT, SIGHUP};

// Only what a signal handler may touch: flags without a lock and a pipe that wakes the event
// loop.
std::atomic<int> s_Noted = 0;
std::array<struct sigaction, kEndingSignals.size()> s_Previous;
std::array<bool, kEndingSignals.size()> s_Taken = {};
std::array<int, 2> s_Wake = {-1, -1};

void onEndingSignal(int signal)
{
    const int saved = errno;
    int none = 0;
    s_Noted.compare_exchange_strong(none, signal);
    // The next one does what it did before.
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (kEndingSignals[i] == signal)
            ::sigaction(signal, &s_Previous[i], nullptr);
    }
    const char wake = 1;
    (void)!::write(s_Wake[1], &wake, 1);
    errno = saved;
}

void drainWake()
{
    char bytes[64];
    while (::read(s_Wake[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace

CStopAtTermination::CStopAtTermination(std::function<void()> stop)
    : m_Stop(std::move(stop))
{
    if (s_Wake[0] < 0 && ::pipe2(s_Wake.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    drainWake();
    s_Noted = 0;
    installRemovalAtTermination();
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        ::sigaction(kEndingSignals[i], nullptr, &s_Previous[i]);
        s_Taken[i] = s_Previous[i].sa_handler != SIG_IGN;
        if (!s_Taken[i])
            continue;
        struct sigaction action = {};
        action.sa_handler = onEndingSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(kEndingSignals[i], &action, nullptr);
    }
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
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (s_Taken[i])
            ::sigaction(kEndingSignals[i], &s_Previous[i], nullptr);
    }
    drainWake();
}

int CStopAtTermination::signal() const
{
    return m_Notifier != nullptr ? s_Noted.load() : 0;
}
