// What the program's entry point does up to the first painted main window, then it quits:
// timed as a whole process, it is the program's start-up. The options live in a temporary
// folder and start as a first run's do.
#include "app/Appresources.h"
#include "app/Commandline.h"
#include "app/UnFormMain.h"
#include "bench/Firstpaint.h"
#include "bench/Isolatedoptions.h"
#include "framework/Handlerguard.h"
#include "framework/Programinfo.h"

#include <QApplication>

namespace {

// As the program's own: every event goes through the handler guard.
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
    const CIsolatedOptions options;
    if (!options.isValid())
        return 2;
    application.setApplicationName(getProgramName());
    initAppResources();
    application.setWindowIcon(appIcon(QStringLiteral("ombrix")));
    TFormMain form;
    form.setHelpFileName(getHelpFileName());
    form.setCommandLineFile(requests.commandLineFile);
    form.setTestOutputFile(requests.testOutputFile);
    if (requests.calcOnStart)
        form.setCalcOnStart();
    if (requests.testMode)
        form.setTestMode();
    quitAfterFirstPaint(form);
    form.show();
    return application.exec();
}
