#include "tests/support/Testmain.h"

#include "tests/support/Modalwatchdog.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Started with this and a file name, the test program prints the file's type and the types it
// inherits, one a line, and ends.
constexpr char kDesktopTypeMode[] = "--desktop-type-of";
// Only against a start that hangs; a sanitized build starts slowly.
constexpr int kNewProcessPatienceMs = 60000;

int printDesktopType(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[2]),
                                                           QMimeDatabase::MatchExtension);
    std::fputs((QStringList{type.name()} + type.allAncestors()).join(QLatin1Char('\n')).toUtf8()
                   + '\n',
               stdout);
    return 0;
}

} // namespace

TDesktopType desktopTypeInNewProcess(const QString& fileName)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QLatin1String(kDesktopTypeMode), fileName});
    if (!process.waitForFinished(kNewProcessPatienceMs)
        || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        ADD_FAILURE() << "the test program asked for the type did not answer: "
                      << process.errorString().toStdString() << '\n'
                      << process.readAllStandardError().toStdString();
        return {};
    }
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput())
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    TDesktopType type;
    if (!lines.isEmpty())
        type.name = lines.takeFirst();
    type.ancestors = lines;
    return type;
}

// The desktop's per-user folders point into a temporary folder for the whole run, so no test
// reads or writes the real user's settings or data. Windows are drawn offscreen.
int main(int argc, char** argv)
{
    // Started by a test: the desktop's folders stay that test's.
    if (argc == 3 && qstrcmp(argv[1], kDesktopTypeMode) == 0)
        return printDesktopType(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The folder TMPDIR names, as the C library takes it; the toolkit's own choice would be the
    // root of the file system for a TMPDIR that names no folder.
    const QString temporary = qEnvironmentVariableIsEmpty("TMPDIR")
                                  ? QStringLiteral("/tmp")
                                  : QFile::decodeName(qgetenv("TMPDIR"));
    QTemporaryDir home(temporary + QLatin1Char('/')
                       + QFileInfo(QFile::decodeName(argv[0])).fileName()
                       + QStringLiteral("-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr,
                     "%s: no folder of its own can be made in the temporary folder %s: %s\n",
                     argv[0], QFile::encodeName(temporary).constData(),
                     home.errorString().toLocal8Bit().constData());
        return 1;
    }
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());
    qputenv("HOME", home.path().toUtf8());

    QApplication application(argc, argv);
    // The toolkit fixes where its own settings (the file dialog's) go at their first use, for
    // the whole process: here, not in the folder of the test that first shows a file dialog,
    // which the test removes and the next one would make again and leave behind.
    QSettings(QSettings::UserScope, QStringLiteral("QtProject")).status();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CModalWatchdog());
    return RUN_ALL_TESTS();
}
