#include "platform/Termination.h"

#include "framework/Fileini.h"
#include "platform/Appendfile.h"
#include "platform/Userregistry.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using RemovedAtTermination = CIsolatedSettingsTest;

TEST_F(RemovedAtTermination, ASignalThatEndsTheProgramRemovesTheFolderFirst)
{
    const QString folder = path(QStringLiteral("copy"));
    enum TWhen {
        kAlone,
        kAfterAStop,  // armed while a stop stood over the signals, raised after it is gone
        kDuringAStop, // raised after the stop last answered, before it is gone
        kOverOwn,     // over a handler of the program's own, which ends the program
    };
    struct TCase
    {
        int signal;
        bool armed;
        TWhen when;
    };
    const TCase cases[] = {{SIGTERM, true, kAlone},      {SIGINT, true, kAlone},
                           {SIGHUP, true, kAlone},       {SIGTERM, false, kAlone},
                           {SIGTERM, true, kAfterAStop}, {SIGTERM, true, kDuringAStop},
                           {SIGTERM, true, kOverOwn}};
    for (const auto& [signal, armed, when] : cases) {
        QDir().mkpath(folder);
        writeFile(folder + QStringLiteral("/options.conf"), "[Editor]\nFontSize=14\n");
        writeFile(folder + QStringLiteral("/options.conf.lock"), "1\n");
        EXPECT_EXIT(
            {
                if (when == kOverOwn)
                    std::signal(signal, [](int own) {
                        std::signal(own, SIG_DFL);
                        std::raise(own);
                    });
                std::optional<CStopAtTermination> stop;
                if (when == kAfterAStop || when == kDuringAStop)
                    stop.emplace([] {});
                std::optional<CRemovedAtTermination> removal(std::in_place);
                removal->arm(folder, CRemovedAtTermination::TKind::Folder);
                if (!armed)
                    removal.reset();
                // The stop answered none, then the signal comes: it only notes it.
                if (when == kDuringAStop && stop->signal() == 0)
                    std::raise(signal);
                stop.reset();
                if (when != kDuringAStop)
                    std::raise(signal);
                std::_Exit(0);
            },
            testing::KilledBySignal(signal), "")
            << signal << ' ' << when;
        EXPECT_EQ(QFileInfo::exists(folder), !armed || when == kOverOwn) << signal << ' ' << when;
    }
}

TEST_F(RemovedAtTermination, NothingOfTheUserStoreOutlivesAProgramEndedDuringASave)
{
    const QByteArray before = "[Editor]\nFontSize=14\n";
    writeFile(iniPath(), before);
    writeFile(userStorePath(), before);
    CUserRegistry store(QStringLiteral("Ombrix"), 1 << 20, {QStringLiteral("Editor")});
    CIniFile ini;
    // The file saved, and the save, ended as the settings library is about to read the private
    // copy, or by a file grown beyond what files may grow to: the new one beside the saved file.
    const std::pair<QString, std::function<void()>> cases[] = {
        {userStorePath(),
         [&] {
             CUserRegistry::setCopyReadHook([](const QString&) { std::raise(SIGTERM); });
             store.writeInteger(QStringLiteral("Editor"), QStringLiteral("FontSize"), 12);
             store.updateFile();
         }},
        {iniPath(),
         [&] {
             const CFileSizeLimit fullDisk(before.size() + 100);
             std::signal(SIGXFSZ, [](int) { std::raise(SIGTERM); });
             ini.writeString(QStringLiteral("Editor"), QStringLiteral("FontName"),
                             QString(200, 'x'));
             ini.updateFile();
         }},
    };
    for (const auto& [file, save] : cases) {
        EXPECT_EXIT(save(), testing::KilledBySignal(SIGTERM), "") << file.toStdString();
        EXPECT_TRUE(
            QDir(tempFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        EXPECT_EQ(QDir(QFileInfo(file).path())
                      .entryList({QFileInfo(file).fileName() + QStringLiteral(".*")},
                                 QDir::AllEntries | QDir::Hidden),
                  QStringList());
        EXPECT_EQ(readFile(file), before);
    }
}

using UndoneAtTermination = CIsolatedSettingsTest;

// The self-test's report added on a worker, and the program ended from outside as soon as the
// report grows: by signals to the process, which its window's thread takes.
TEST_F(UndoneAtTermination, AnAdditionEndedFromOutsideHoldsOnlyBytesWritten)
{
    struct TCase
    {
        const char* reason;
        std::vector<int> sent; // the first under a stop only asks for it
        int ending;
    };
    const TCase cases[] = {
        {"a kill cuts the addition at its end", {SIGKILL}, SIGKILL},
        {"a second TERM takes the addition back, or it is whole", {SIGTERM, SIGTERM}, SIGTERM},
        {"any second signal ends the program", {SIGTERM, SIGINT}, SIGINT},
    };
    const QString report = path(QStringLiteral("report.txt"));
    const QByteArray earlier = "earlier report\n";
    // Many pieces long, so that the signals come while it is added.
    const QByteArray added(1 << 24, 'r');
    for (const TCase& c : cases) {
        writeFile(report, earlier);
        EXPECT_EXIT(
            {
                const CStopAtTermination stop([] {});
                std::thread adder([&] {
                    CStagedAppend staged(report);
                    staged.stream().write(added.constData(), added.size());
                    QString reason;
                    staged.append(reason);
                });
                struct stat info = {};
                while (::stat(QFile::encodeName(report).constData(), &info) == 0
                       && info.st_size == earlier.size()) {
                }
                for (const int signal : c.sent)
                    ::kill(::getpid(), signal);
                adder.join();
                std::_Exit(0);
            },
            testing::KilledBySignal(c.ending), "")
            << c.reason;
        const QByteArray after = readFile(report);
        EXPECT_TRUE(after.startsWith(earlier)) << c.reason;
        EXPECT_TRUE(added.startsWith(after.mid(earlier.size()))) << c.reason << ": no zero byte";
        if (c.ending != SIGKILL) {
            EXPECT_TRUE(after == earlier || after == earlier + added) << c.reason;
        }
    }
}

// The handler has looked at every addition in progress when another thread begins one.
TEST_F(UndoneAtTermination, NoAdditionBeginsOnceTheProgramEnds)
{
    const QString log = path(QStringLiteral("ombrix.log"));
    writeFile(log, "earlier\n");
    EXPECT_EXIT(
        {
            static int begin[2];
            static int done[2];
            if (::pipe(begin) != 0 || ::pipe(done) != 0)
                std::_Exit(1);
            setAdditionsLookedAtHook([] {
                static std::atomic<bool> called = false;
                char byte = 0;
                if (!called.exchange(true) && ::write(begin[1], &byte, 1) == 1)
                    (void)!::read(done[0], &byte, 1);
            });
            std::thread adder([&] {
                char byte = 0;
                (void)!::read(begin[0], &byte, 1);
                QString reason;
                appendToFile(log, "added\n", reason);
                (void)!::write(done[1], &byte, 1);
            });
            CRemovedAtTermination handlerInPlace;
            handlerInPlace.arm(path(QStringLiteral("none")), CRemovedAtTermination::TKind::File);
            std::raise(SIGTERM);
            adder.join();
        },
        testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(readFile(log), "earlier\n");
}

// Caught, not ignored: a signal ignored stays ignored in the programs started, one caught does
// not.
TEST(FileSizeLimit, ProgramsStartedBeginWithTheSystemsDefault)
{
    EXPECT_EXIT(
        {
            failWritesPastTheFileSizeLimit();
            FILE* started = ::popen("grep SigIgn /proc/self/status", "r");
            unsigned long long ignored = ~0ULL;
            if (started == nullptr || std::fscanf(started, "SigIgn: %llx", &ignored) != 1)
                std::_Exit(2);
            ::pclose(started);
            std::_Exit(int((ignored >> (SIGXFSZ - 1)) & 1U));
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
