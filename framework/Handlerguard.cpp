#include "framework/Handlerguard.h"

#include "framework/Dialogseams.h"
#include "framework/Filelog.h"
#include "framework/Programexception.h"
#include "framework/UnFormMainBase.h"
#include "platform/Plainfile.h"

#include <QApplication>

#include <cerrno>
#include <new>

namespace {

CHandlerGuard::TLogger& logger()
{
    static CHandlerGuard::TLogger instance;
    return instance;
}

const QString kUnknownFailure = QStringLiteral("Unknown error.");

// The box stands on the active window, else on the main window: without a window to stand on it
// would wait for the whole program, and the tray icon would answer no more.
QWidget* failureBoxOwner()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<TFormMainBase*>(window))
            return main;
    }
    return nullptr;
}

} // namespace

void CHandlerGuard::setLogger(TLogger newLogger)
{
    logger() = std::move(newLogger);
}

QString CHandlerGuard::describe(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const CProgramException& e) {
        return e.getMessage();
    } catch (const std::bad_alloc&) {
        // Its own text names no cause a user knows.
        return systemReason(ENOMEM);
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return kUnknownFailure;
    }
}

bool CHandlerGuard::runFunction(const char* source, const QString& failureText, bool show,
                                const std::function<void()>& handler)
{
    std::exception_ptr failure;
    try {
        handler();
        return true;
    } catch (const CAbortException&) {
        return false;
    } catch (...) {
        failure = std::current_exception();
    }
    // Reporting must not fail in turn: it runs outside the handler's own try.
    const QString text = failureText.isEmpty() ? describe(failure) : failureText;
    try {
        if (logger())
            logger()(CFileLog::TYPE_SYSTEM_ERROR, QString::fromLatin1(source), text);
        if (show)
            CDialogSeams::current().showMessage(failureBoxOwner(), text,
                                                QApplication::applicationName(),
                                                TMessageIcon::Critical, TMessageButtons::Ok,
                                                TMessageAnswer::Ok);
    } catch (...) {
    }
    return false;
}
