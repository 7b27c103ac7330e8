#pragma once

#include <QString>

#include <exception>
#include <functional>

// Every handler of a window runs through this guard: an exception that left a Qt handler
// would end the event loop, and the program would vanish without asking to save. A failure
// is logged as a system error with the handler's "Class::Method" source; unless the handler
// is a quiet one, the exception's text is shown in a message box. A cancelled command
// (CAbortException) passes silently.
class CHandlerGuard
{
public:
    using TLogger = std::function<void(quint8 type, const QString& source, const QString& text)>;

    // The main window's logging; without one, failures are only shown.
    static void setLogger(TLogger logger);

    // Runs the handler; false when it failed or was cancelled.
    template <class F>
    static bool run(const char* source, F&& handler)
    {
        return runFunction(source, QString(), true,
                           std::function<void()>(std::forward<F>(handler)));
    }

    // Runs the handler; a failure is logged with the fixed text and not shown.
    template <class F>
    static bool runQuiet(const char* source, const QString& failureText, F&& handler)
    {
        return runFunction(source, failureText, false,
                           std::function<void()>(std::forward<F>(handler)));
    }

    // The text an exception carries, for the message box and the log; for memory that could
    // not be had, the system's reason.
    static QString describe(std::exception_ptr exception);

private:
    static bool runFunction(const char* source, const QString& failureText, bool show,
                            const std::function<void()>& handler);
};
