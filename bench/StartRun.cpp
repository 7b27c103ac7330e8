// What the program's entry point does up to the first painted main window, then it quits:
// timed as a whole process, it is the program's start-up. The options live in a temporary
// folder and start as a first run's do.
//   ombrix_start_bench [--user-store BYTES] [--exit] [program arguments]
// With --user-store the options come from the user's store, which holds BYTES bytes, nearly all
// of them another program's value: every load of options reads it again. With --exit the
// window is then closed as File > Exit closes it, saving the options: the time beyond the
// start-up's is the exit's.
#include "app/Programstart.h"
#include "app/UnFormMain.h"
#include "bench/Firstpaint.h"
#include "bench/Isolatedoptions.h"

#include <QByteArray>

#include <cstring>

namespace {

QByteArray userStoreOf(qsizetype bytes)
{
    const QByteArray head = "[FormMain]\nTop=40\nLeft=40\n\n[Other]\nvalue=";
    return head + QByteArray(qMax<qsizetype>(bytes - head.size() - 1, 0), 'x') + '\n';
}

} // namespace

int main(int argc, char** argv)
{
    QByteArray ini;
    QByteArray userStore;
    if (argc >= 3 && std::strcmp(argv[1], "--user-store") == 0) {
        ini = "[FormMain]\nUseRegister=1\n";
        userStore = userStoreOf(QByteArray(argv[2]).toLongLong());
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    const bool exits = argc >= 2 && std::strcmp(argv[1], "--exit") == 0;
    if (exits) {
        argv[1] = argv[0];
        --argc;
        ++argv;
    }
    const TStartRequests requests = startRequestsOf(argc, argv);
    CGuardedApplication application(argc, argv);
    const CIsolatedOptions options(ini, userStore);
    if (!options.isValid())
        return 2;
    prepareApplication(application);
    TFormMain form;
    handOver(requests, form);
    if (exits)
        closeAfterFirstPaint(form);
    else
        quitAfterFirstPaint(form);
    form.show();
    return application.exec();
}
