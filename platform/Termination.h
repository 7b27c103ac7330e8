#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <sys/types.h>

class QSocketNotifier;

// What the program does at a signal that ends it (TERM, INT, HUP), all in one handler, put in
// place over the signals' former actions whenever one of the classes below needs it and finds it
// gone.
// Signals the program ignores stay ignored. At such a signal, whichever thread takes it:
// 1. while a stop at termination lives, the first signal only asks for the stop;
// 2. otherwise, and at any later signal, the program ends at once: each addition to a file in
//    progress is taken back by its own thread (which so writes nothing more), an addition about
//    to begin is not begun (its thread ends the program too), the names armed for removal are
//    removed, and the signal then ends the program as it would have;
// 3. where the signal's former action is a handler of the program's own, which may not end it,
//    nothing is taken back or removed: the signal only goes on to that handler.
// Handlers never wait on each other in a circle: each takes back its own thread's addition
// before it looks at the others', and waits only for a thread whose addition it saw still
// armed, until that thread's own handler has taken it back. So of two handlers, the one that
// looks later finds the other's addition taken back and does not wait for it.

// While armed, a signal that ends the program first removes the file named, or the folder named
// with the files in it: what holds the user's files for a moment must not outlive a program
// ended in the middle of it. A few names at a time; a name armed beyond them, or a kill that
// cannot be caught, still leaves it.
class CRemovedAtTermination
{
public:
    enum class TKind { File, Folder };

    CRemovedAtTermination() = default;
    ~CRemovedAtTermination();
    CRemovedAtTermination(const CRemovedAtTermination&) = delete;
    CRemovedAtTermination& operator=(const CRemovedAtTermination&) = delete;

    // In place of the name armed before, if any.
    void arm(const QString& name, TKind kind);

private:
    int m_Slot = -1;
};

// While it lives, a signal that ends the program first cuts the file open at `fd` back to `size`:
// an addition that is cut short leaves the file as it was. Made by the thread that adds, which
// must add nothing after this is gone. Made while the program ends, it ends the program on its
// thread instead. A few additions at a time, as with the removal.
class CUndoneAtTermination
{
public:
    CUndoneAtTermination(int fd, off_t size);
    ~CUndoneAtTermination();
    CUndoneAtTermination(const CUndoneAtTermination&) = delete;
    CUndoneAtTermination& operator=(const CUndoneAtTermination&) = delete;

private:
    int m_Slot = -1;
};

// While it lives, the first signal that would end the program asks for a stop instead: the
// handler only notes it, and `stop` is called from the event loop of the thread that made this.
// Once this is gone, the caller, having finished what the stop leaves to do, ends the program by
// raising the signal noted, as it would have ended. A signal noted after `signal` last answered
// ends the program as this goes. One at a time.
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
    // What signal() last answered.
    mutable int m_Answered = 0;
    std::unique_ptr<QSocketNotifier> m_Notifier;
};

// Removes the folder and the files in it. A file that something else removed meanwhile is no
// failure, and one made there meanwhile is looked for again: the folder is gone after.
void removeFolderWithFiles(const QString& folder);

// A write past the limit on a file's size then fails as on a full disk ("File too large"),
// where the system's default would end the program with the user's work. The signal is caught,
// not ignored: programs started from this one begin with the system's default.
void failWritesPastTheFileSizeLimit();

// For tests only: called by a handler that ends the program once it has looked at every addition
// in progress, before it removes anything. It may do only what a signal handler may do.
void setAdditionsLookedAtHook(void (*hook)());
