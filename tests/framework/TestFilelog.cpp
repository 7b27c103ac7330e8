#include "Testfolder.h"

#include "framework/Filelog.h"

#include <QDir>
#include <QLocale>

#include <csignal>

#include <sys/resource.h>

namespace {

// Lowers the largest size a file of this process may grow to, for the life of the object.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Previous);
        m_PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_Previous;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~CFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Previous);
        std::signal(SIGXFSZ, m_PreviousHandler);
    }

private:
    rlimit m_Previous{};
    void (*m_PreviousHandler)(int) = nullptr;
};

const QDateTime kNow(QDate(2024, 3, 5), QTime(7, 8, 9));
const char* const kStamp = "[05/Mar/2024 07:08:09] ";

class FileLog : public CTempFolderTest
{
protected:
    void SetUp() override
    {
        CTempFolderTest::SetUp();
        m_Log.setFolder(binFolder());
        m_Log.setFileName(QStringLiteral("ombrix.log"));
        m_Log.setClock([] { return kNow; });
    }

    QString logPath() const { return binFolder() + QStringLiteral("/ombrix.log"); }
    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = readFile(logPath()).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    CFileLog m_Log;
};

TEST_F(FileLog, LineFormatGolden)
{
    struct TCase {
        int type;
        const char* source;
        const char* text;
        std::string expected;
    };
    const std::string t = kStamp;
    const TCase cases[] = {
        {5, "", "Program started.", "[++-] " + t + "[information] Program started."},
        {2, "TFormMain::FileOpen", "The error at executing of operation 'FileOpen'.",
         "[+++] " + t + "[error] [TFormMain::FileOpen] The error at executing of operation 'FileOpen'."},
        {1, " \tsrc \n", "x", "[+++] " + t + "[system error] [src] x"},
        {3, "", "w", "[++-] " + t + "[warning] w"},
        {4, "", "s", "[++-] " + t + "[success] s"},
        {5, "   ", "blank source is no source", "[++-] " + t + "[information] blank source is no source"},
        {0, "", "no type", "[+--] " + t + "no type"},
        {9, "", "unknown type", "[+--] " + t + "unknown type"},
        {0, "src", "no type, a source", "[+-+] " + t + "[src] no type, a source"},
        {5, "", "  text is kept as given  ", "[++-] " + t + "[information]   text is kept as given  "},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(m_Log.formatLine(static_cast<quint8>(c.type), QString::fromUtf8(c.source),
                                   QString::fromUtf8(c.text))
                      .toStdString(),
                  c.expected);
    }
}

TEST_F(FileLog, TimeIsWrittenTheSameInEveryLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString line = m_Log.formatLine(5, QString(), QStringLiteral("x"));
    QLocale::setDefault(previous);
    m_Log.setClock([] { return QDateTime(QDate(2023, 12, 31), QTime(23, 59, 58)); });
    EXPECT_EQ(line.mid(6, 22), QString::fromLatin1(kStamp).left(22));
    EXPECT_EQ(m_Log.formatLine(0, QString(), QString()), QStringLiteral("[+--] [31/Dec/2023 23:59:58] "));
}

TEST_F(FileLog, LinesAreWrittenSixtyFourAtATime)
{
    for (int i = 1; i <= 63; ++i)
        m_Log.add(CFileLog::TYPE_INFORMATION, QStringLiteral("line %1").arg(i));
    EXPECT_FALSE(QFile::exists(logPath()));

    m_Log.add(CFileLog::TYPE_INFORMATION, QStringLiteral("line 64"));
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 64);
    EXPECT_EQ(lines.first().toStdString(), "[++-] " + std::string(kStamp) + "[information] line 1");
    EXPECT_EQ(lines.last().toStdString(), "[++-] " + std::string(kStamp) + "[information] line 64");

    m_Log.add(QStringLiteral("line 65"));
    EXPECT_EQ(logLines().size(), 64);
    m_Log.flush();
    EXPECT_EQ(logLines().size(), 65);
    m_Log.flush(); // nothing pending: nothing written
    EXPECT_EQ(logLines().size(), 65);
}

TEST_F(FileLog, PendingLinesAreWrittenWhenTheLogGoes)
{
    {
        CFileLog log;
        log.setFolder(binFolder() + QLatin1Char('/'));
        log.setFileName(QStringLiteral(" ombrix.log "));
        log.setClock([] { return kNow; });
        EXPECT_EQ(log.getFilePath(), logPath());
        for (int i = 1; i <= 10; ++i)
            log.add(QStringLiteral("closing %1").arg(i));
        EXPECT_FALSE(QFile::exists(logPath()));
    }
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[9].toStdString(), "[+--] " + std::string(kStamp) + "closing 10");
}

TEST_F(FileLog, LongLinesAreCutTo512Characters)
{
    m_Log.addLine(QString(600, QLatin1Char('x')));
    // A character of two code units is not split at the cut.
    m_Log.addLine(QString(511, QLatin1Char('y')) + QString::fromUtf8("\xf0\x9d\x9c\x8b") + QStringLiteral("z"));
    m_Log.addLine(QStringLiteral("  \t "));   // blank: not kept
    m_Log.addLine(QStringLiteral("\t padded \r"));
    m_Log.flush();
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QByteArray(512, 'x'));
    EXPECT_EQ(lines[1], QByteArray(511, 'y'));
    EXPECT_EQ(lines[2], QByteArray("padded"));
}

// A log file of the given size made of numbered lines of 64 bytes, some blank lines among them.
QByteArray oldLog(int size)
{
    QByteArray content;
    for (int i = 0; content.size() < size; ++i) {
        if (i % 10 == 9)
            content += '\n';
        content += QByteArray::number(i).rightJustified(63, '.') + '\n';
    }
    return content.left(size);
}

TEST_F(FileLog, FileAtTheLimitIsAppendedTo)
{
    const QByteArray old = oldLog(262144);
    writeFile(logPath(), old);
    EXPECT_FALSE(m_Log.isOverLimit());
    m_Log.add(QStringLiteral("new"));
    m_Log.flush();
    const QByteArray after = readFile(logPath());
    EXPECT_TRUE(after.startsWith(old));
    EXPECT_EQ(after.mid(old.size()).toStdString(), "[+--] " + std::string(kStamp) + "new\n");
}

TEST_F(FileLog, FileBeyondTheLimitIsCutToItsLast64Lines)
{
    const QByteArray old = oldLog(262145);
    writeFile(logPath(), old);
    EXPECT_EQ(m_Log.getFileSize(), 262145);
    EXPECT_TRUE(m_Log.isOverLimit());
    m_Log.add(QStringLiteral("new 1"));
    m_Log.add(QStringLiteral("new 2"));
    m_Log.flush();

    QList<QByteArray> expected;
    for (const QByteArray& line : old.split('\n')) {
        if (!line.trimmed().isEmpty())
            expected.append(line.trimmed());
    }
    expected = expected.mid(expected.size() - 64);
    expected.append("[+--] " + QByteArray(kStamp) + "new 1");
    expected.append("[+--] " + QByteArray(kStamp) + "new 2");
    EXPECT_EQ(logLines(), expected);
    EXPECT_FALSE(m_Log.isOverLimit());
    // Nothing of the cutting is left behind.
    EXPECT_EQ(QDir(binFolder()).entryList(QDir::Files), QStringList{QStringLiteral("ombrix.log")});
}

TEST_F(FileLog, FailedCutLeavesTheOldLogWhole)
{
    const QByteArray old = oldLog(262145);
    writeFile(logPath(), old);
    m_Log.add(QStringLiteral("lost"));
    {
        // Files may grow to 1 KiB only, so writing the cut log fails part way.
        CFileSizeLimit limit(1024);
        m_Log.flush();
    }
    EXPECT_EQ(readFile(logPath()), old);
    EXPECT_EQ(QDir(binFolder()).entryList(QDir::Files), QStringList{QStringLiteral("ombrix.log")});
}

TEST_F(FileLog, UnwritableFileDropsTheLinesAndTriesAgainNextTime)
{
    m_Log.setFolder(path(QStringLiteral("later")));
    m_Log.add(QStringLiteral("dropped"));
    m_Log.flush();
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("later"))));
    m_Log.add(QStringLiteral("kept"));
    m_Log.flush();
    EXPECT_EQ(readFile(path(QStringLiteral("later/ombrix.log"))).toStdString(),
              "[+--] " + std::string(kStamp) + "kept\n");
}

TEST_F(FileLog, FilePathJoinsFolderAndName)
{
    CFileLog log;
    EXPECT_EQ(log.getFilePath(), QStringLiteral("/file.log"));
    log.setFolder(QStringLiteral("/var/x"));
    EXPECT_EQ(log.getFilePath(), QStringLiteral("/var/x/file.log"));
    log.setFolder(QStringLiteral(" /var/x/ "));
    log.setFileName(QStringLiteral("ombrix.log"));
    EXPECT_EQ(log.getFilePath(), QStringLiteral("/var/x/ombrix.log"));
}

TEST_F(FileLog, SharedLogLivesWhileSomeoneUsesIt)
{
    ASSERT_EQ(CFileLog::getInstance(), nullptr);
    CFileLog* first = CFileLog::acquire();
    CFileLog* second = CFileLog::acquire();
    ASSERT_EQ(first, second);
    EXPECT_EQ(CFileLog::getRefCount(), 2);
    first->setFolder(binFolder());
    first->setFileName(QStringLiteral("shared.log"));
    first->add(QStringLiteral("pending"));

    CFileLog::release();
    EXPECT_EQ(CFileLog::getInstance(), first);
    EXPECT_FALSE(QFile::exists(binFolder() + QStringLiteral("/shared.log")));

    CFileLog::release();
    EXPECT_EQ(CFileLog::getInstance(), nullptr);
    EXPECT_EQ(CFileLog::getRefCount(), 0);
    EXPECT_TRUE(readFile(binFolder() + QStringLiteral("/shared.log")).endsWith("pending\n"));
    CFileLog::release(); // one release too many does nothing
    EXPECT_EQ(CFileLog::getRefCount(), 0);
}

TEST(LogLines, FullStackDropsTheOldest)
{
    CLogLines lines;
    for (int i = 1; i <= 65; ++i)
        EXPECT_EQ(lines.push(QString::number(i)), std::min(i, 64) - 1);
    EXPECT_EQ(lines.getCount(), 64);
    EXPECT_EQ(lines.get(0), QStringLiteral("2"));
    EXPECT_EQ(lines.get(63), QStringLiteral("65"));
    EXPECT_EQ(lines.push(QString()), 63); // refused: the index of the last kept line
    EXPECT_EQ(lines.get(64), QString());
}

} // namespace
