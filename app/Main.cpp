// The entry point: the command line is read before the application object sees it (it takes
// some arguments for itself), then the main window runs until it is closed.
#include "app/Appresources.h"
#include "app/Commandline.h"
#include "app/UnFormMain.h"
#include "framework/Handlerguard.h"
#include "framework/Programinfo.h"

#include <QApplication>

namespace {

constexpr int kExitAfterFailure = 1;

// An exception that escapes a handler outside the guard would end the event loop: it is shown
// and logged here instead, and the program goes on.
class CGuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        bool handled = false;
        CHandlerGuard::run("QApplication::notify",
                           [&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TStartRequests requests = parseCommandLine(commandLineOf(arguments));

    CGuardedApplication application(argc, argv);
    application.setApplicationName(getProgramName());
    initAppResources();
    application.setWindowIcon(appIcon(QStringLiteral("ombrix")));
    bool failed = false;
    CHandlerGuard::run("WinMain", [&] {
        failed = true;
        TFormMain form;
        form.setHelpFileName(getHelpFileName());
        form.setCommandLineFile(requests.commandLineFile);
        form.setTestOutputFile(requests.testOutputFile);
        if (requests.calcOnStart)
            form.setCalcOnStart();
        if (requests.testMode)
            form.setTestMode();
        form.show();
        application.exec();
        failed = false;
    });
    // A program ended by a failure does not report success.
    return failed ? kExitAfterFailure : 0;
}
