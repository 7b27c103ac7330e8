#include "app/Programstart.h"

#include "app/Appresources.h"
#include "app/UnFormMain.h"
#include "framework/Handlerguard.h"
#include "framework/Programinfo.h"
#include "platform/Filenamebytes.h"

bool CGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    CHandlerGuard::run("QApplication::notify",
                       [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

TStartRequests startRequestsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameOfBytes(argv[i]);
    return parseCommandLine(commandLineOf(arguments));
}

void prepareApplication(QApplication& application)
{
    application.setApplicationName(getProgramName());
    initAppResources();
    application.setWindowIcon(appIcon(QStringLiteral("ombrix")));
}

void handOver(const TStartRequests& requests, TFormMain& form)
{
    form.setHelpFileName(getHelpFileName());
    form.setCommandLineFile(requests.commandLineFile);
    form.setTestOutputFile(requests.testOutputFile);
    if (requests.calcOnStart)
        form.setCalcOnStart();
    if (requests.testMode)
        form.setTestMode();
}
