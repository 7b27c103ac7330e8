#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

// While it lives, a signal that would end the program (TERM, INT, HUP) asks for a stop instead:
// the handler only notes it, and `stop` is called from the event loop of the thread that made
// this. Once this is gone, the signals do again what they did before, so that the caller, having
// finished what the stop leaves to do, ends the program by raising the signal noted, as it would
// have ended. A second signal ends the program at once. Signals the program ignores stay ignored.
// One at a time.
class CStopAtTermination
{
public:
    explicit CStopAtTermination(std::function<void()> stop);
    ~CStopAtTermination();
    CStopAtTermination(const CStopAtTermination&) = delete;
    CStopAtTermination& operator=(const CStopAtTermination&) = delete;

    // The first signal that came, or 0.
    int signal() const;

private:
    std::function<void()> m_Stop;
    std::unique_ptr<QSocketNotifier> m_Notifier;
};
