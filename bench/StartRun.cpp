// What the program's entry point does up to the first painted main window, then it quits:
// timed as a whole process, it is the program's start-up. The options live in a temporary
// folder and start as a first run's do.
#include "app/Programstart.h"
#include "app/UnFormMain.h"
#include "bench/Firstpaint.h"
#include "bench/Isolatedoptions.h"

int main(int argc, char** argv)
{
    const TStartRequests requests = startRequestsOf(argc, argv);
    CGuardedApplication application(argc, argv);
    const CIsolatedOptions options;
    if (!options.isValid())
        return 2;
    prepareApplication(application);
    TFormMain form;
    handOver(requests, form);
    quitAfterFirstPaint(form);
    form.show();
    return application.exec();
}
