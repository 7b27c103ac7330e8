#include "platform/Terminationcleanup.h"

#include "platform/Userregistry.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>
#include <optional>

namespace {

using RemovedAtTermination = CIsolatedSettingsTest;

TEST_F(RemovedAtTermination, ASignalThatEndsTheProgramRemovesTheFolderFirst)
{
    const QString folder = path(QStringLiteral("copy"));
    // What ends the program, and whether the folder is still armed then.
    const std::pair<int, bool> cases[] = {{SIGTERM, true},
                                          {SIGINT, true},
                                          {SIGHUP, true},
                                          {SIGTERM, false}};
    for (const auto& [signal, armed] : cases) {
        QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("/options.conf"), "[Editor]\nFontSize=14\n");
        writeFile(folder + QStringLiteral("/options.conf.lock"), "1\n");
        EXPECT_EXIT(
            {
                std::optional<CRemovedAtTermination> removal(std::in_place);
                removal->arm(folder);
                if (!armed)
                    removal.reset();
                std::raise(signal);
            },
            testing::KilledBySignal(signal), "")
            << signal;
        EXPECT_EQ(QFileInfo::exists(folder), !armed) << signal;
    }
}

TEST_F(RemovedAtTermination, NothingOfTheUserStoreOutlivesAProgramEndedDuringASave)
{
    writeFile(userStorePath(), "[Editor]\nFontSize=14\n");
    CUserRegistry store(QStringLiteral("Ombrix"), 1 << 20, {QStringLiteral("Editor")});
    EXPECT_EXIT(
        {
            CUserRegistry::setCopyReadHook([](const QString&) { std::raise(SIGTERM); });
            store.writeInteger(QStringLiteral("Editor"), QStringLiteral("FontSize"), 12);
            store.updateFile();
        },
        testing::KilledBySignal(SIGTERM), "");
    EXPECT_TRUE(QDir(tempFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    EXPECT_EQ(readFile(userStorePath()), QByteArray("[Editor]\nFontSize=14\n"));
}

} // namespace
