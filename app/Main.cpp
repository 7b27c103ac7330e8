// The entry point: the main window runs until it is closed.
#include "app/Programstart.h"
#include "app/UnFormMain.h"
#include "framework/Handlerguard.h"
#include "platform/Termination.h"

namespace {

constexpr int kExitAfterFailure = 1;

} // namespace

int main(int argc, char** argv)
{
    failWritesPastTheFileSizeLimit();
    const TStartRequests requests = startRequestsOf(argc, argv);
    CGuardedApplication application(argc, argv);
    prepareApplication(application);
    bool failed = false;
    CHandlerGuard::run("WinMain", [&] {
        failed = true;
        TFormMain form;
        handOver(requests, form);
        form.show();
        application.exec();
        failed = false;
    });
    // A program ended by a failure does not report success.
    return failed ? kExitAfterFailure : 0;
}
