#include "framework/Filelog.h"

#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QLocale>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(7, 8, 9));
const std::string kStamp = "[05/Mar/2024 07:08:09] ";

class FileLog : public CIsolatedSettingsTest
{
protected:
    void SetUp() override
    {
        CIsolatedSettingsTest::SetUp();
        setUp(m_Log);
    }

    void setUp(CFileLog& log) const
    {
        log.setFolder(binFolder());
        log.setFileName(QStringLiteral("ombrix.log"));
        log.setClock([] { return kNow; });
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
    struct TCase
    {
        int type;
        const char* source;
        const char* text;
        std::string expected;
    };
    const TCase cases[] = {
        {5, "", "Program started.", "[++-] " + kStamp + "[information] Program started."},
        {2, "TFormMain::FileOpen", "The error at executing of operation 'FileOpen'.",
         "[+++] " + kStamp
             + "[error] [TFormMain::FileOpen] The error at executing of operation 'FileOpen'."},
        {1, " \tsrc \n", "x", "[+++] " + kStamp + "[system error] [src] x"},
        {3, "", "w", "[++-] " + kStamp + "[warning] w"},
        {4, "", "s", "[++-] " + kStamp + "[success] s"},
        {5, "   ", "blank source", "[++-] " + kStamp + "[information] blank source"},
        {0, "", "no type", "[+--] " + kStamp + "no type"},
        {9, "", "unknown type", "[+--] " + kStamp + "unknown type"},
        {0, "src", "no type, a source", "[+-+] " + kStamp + "[src] no type, a source"},
        {5, "", "  kept as given ", "[++-] " + kStamp + "[information]   kept as given "},
    };
    // Month names and separators do not follow the user's locale.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const TCase& c : cases) {
        EXPECT_EQ(m_Log
                      .formatLine(static_cast<quint8>(c.type), QString::fromUtf8(c.source),
                                  QString::fromUtf8(c.text))
                      .toStdString(),
                  c.expected);
    }
    QLocale::setDefault(previous);
}

TEST_F(FileLog, LinesAreWrittenSixtyFourAtATime)
{
    for (int i = 1; i <= 63; ++i)
        m_Log.add(CFileLog::TYPE_INFORMATION, QStringLiteral("line %1").arg(i));
    EXPECT_FALSE(QFile::exists(logPath()));

    m_Log.add(CFileLog::TYPE_INFORMATION, QStringLiteral("line 64"));
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 64);
    EXPECT_EQ(lines.first().toStdString(), "[++-] " + kStamp + "[information] line 1");
    EXPECT_EQ(lines.last().toStdString(), "[++-] " + kStamp + "[information] line 64");

    m_Log.add(QStringLiteral("line 65"));
    EXPECT_EQ(logLines().size(), 64);
    m_Log.flush();
    m_Log.flush(); // nothing pending: nothing written
    EXPECT_EQ(logLines().size(), 65);
}

TEST_F(FileLog, PendingLinesAreWrittenWhenTheLogGoes)
{
    {
        CFileLog log;
        setUp(log);
        for (int i = 1; i <= 10; ++i)
            log.add(QStringLiteral("closing %1").arg(i));
        EXPECT_FALSE(QFile::exists(logPath()));
    }
    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[9].toStdString(), "[+--] " + kStamp + "closing 10");
}

TEST_F(FileLog, LinesAreTrimmedAndCutTo512Characters)
{
    m_Log.addLine(QString(600, QLatin1Char('x')));
    // A character of two code units is not split at the cut.
    m_Log.addLine(QString(511, QLatin1Char('y')) + QString::fromUtf8("\xf0\x9d\x9c\x8b")
                  + QStringLiteral("z"));
    m_Log.addLine(QStringLiteral("  \t "));
    m_Log.addLine(QStringLiteral("\t padded \r"));
    m_Log.flush();
    EXPECT_EQ(logLines(),
              (QList<QByteArray>{QByteArray(512, 'x'), QByteArray(511, 'y'), "padded"}));
}

// A log of the given size: numbered lines of 64 bytes with a blank line now and then.
QByteArray oldLog(int size)
{
    QByteArray content;
    for (int i = 0; content.size() < size; ++i)
        content += (i % 10 == 9 ? "\n" : "") + QByteArray::number(i).rightJustified(63, '.') + '\n';
    return content.left(size);
}

TEST_F(FileLog, FileAtTheLimitIsAppendedTo)
{
    const QByteArray old = oldLog(262144);
    writeFile(logPath(), old);
    m_Log.add(QStringLiteral("new"));
    m_Log.flush();
    EXPECT_EQ(readFile(logPath()).toStdString(), old.toStdString() + "[+--] " + kStamp + "new\n");
}

TEST_F(FileLog, FileBeyondTheLimitIsCutToItsLast64Lines)
{
    const QByteArray old = oldLog(262145);
    writeFile(logPath(), old);
    EXPECT_EQ(m_Log.getFileSize(), 262145);
    m_Log.add(QStringLiteral("new 1"));
    m_Log.add(QStringLiteral("new 2"));
    m_Log.flush();

    QList<QByteArray> expected;
    for (const QByteArray& line : old.split('\n')) {
        if (!line.isEmpty())
            expected.append(line);
    }
    expected = expected.mid(expected.size() - 64);
    expected.append(QByteArray::fromStdString("[+--] " + kStamp + "new 1"));
    expected.append(QByteArray::fromStdString("[+--] " + kStamp + "new 2"));
    EXPECT_EQ(logLines(), expected);
    EXPECT_EQ(QDir(binFolder()).entryList(QDir::Files), QStringList{QStringLiteral("ombrix.log")});
}

TEST_F(FileLog, CutKeepsTheOldLinesByteForByte)
{
    const QByteArray twoByteCharacters =
        QByteArray("\xd1\x84").repeated(300); // 600 bytes, 300 characters
    const QByteArray fourByte("\xf0\x9d\x9c\x8b");
    struct TCase
    {
        QByteArray written;
        QByteArray kept;
        const char* reason;
    };
    const TCase cases[] = {
        {"invalid \xff\xfe UTF-8", "invalid \xff\xfe UTF-8",
         "bytes that are no UTF-8 come back unchanged"},
        {"\xc0\xaf overlong", "\xc0\xaf overlong", "an overlong form is not decoded"},
        {" \t padded \r", "padded", "blanks and the CR end are trimmed"},
        {twoByteCharacters, twoByteCharacters, "512 characters, not 512 bytes"},
        {QByteArray(600, 'x'), QByteArray(512, 'x'), "a longer line is cut to 512 characters"},
        {QByteArray(511, 'y') + fourByte + "z", QByteArray(511, 'y'),
         "a character is not split at the cut"},
        {QByteArray(510, 'w') + fourByte + "z", QByteArray(510, 'w') + fourByte,
         "two code units fit"},
    };
    QByteArray old = oldLog(262145) + '\n';
    for (const TCase& c : cases)
        old += c.written + '\n';
    writeFile(logPath(), old);
    m_Log.add(QStringLiteral("new"));
    m_Log.flush();

    const QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 65);
    const qsizetype first = 64 - std::size(cases);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(lines[first + static_cast<qsizetype>(i)], cases[i].kept) << cases[i].reason;
    EXPECT_EQ(lines.last().toStdString(), "[+--] " + kStamp + "new");
}

TEST_F(FileLog, CutInAReadOnlyFolderHappensInPlace)
{
    const QByteArray old = oldLog(262145);
    writeFile(logPath(), old);
    CReadOnlyFolder readOnly(binFolder());
    if (!readOnly.isEnforced())
        GTEST_SKIP() << "this process may write any folder (it runs as root)";
    m_Log.add(QStringLiteral("first batch"));
    m_Log.flush();
    QList<QByteArray> lines = logLines();
    ASSERT_EQ(lines.size(), 65);
    EXPECT_EQ(lines.last().toStdString(), "[+--] " + kStamp + "first batch");
    // The cut log is small again: the next batch is appended, not dropped.
    m_Log.add(QStringLiteral("second batch"));
    m_Log.flush();
    lines = logLines();
    ASSERT_EQ(lines.size(), 66);
    EXPECT_EQ(lines.last().toStdString(), "[+--] " + kStamp + "second batch");
}

TEST_F(FileLog, TwoCopiesClosingTogetherKeepEveryLine)
{
    for (int round = 0; round < 5; ++round) {
        writeFile(logPath(), oldLog(262145));
        // Both copies wait for the start and then cut the log at once.
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        pid_t copies[2];
        for (int copy = 0; copy < 2; ++copy) {
            if ((copies[copy] = ::fork()) == 0) {
                ::close(start[1]);
                char go = 0;
                (void)!::read(start[0], &go, 1);
                setUp(m_Log);
                m_Log.add(QStringLiteral("copy %1 line 1").arg(copy));
                m_Log.add(QStringLiteral("copy %1 line 2").arg(copy));
                m_Log.flush();
                ::_exit(0);
            }
        }
        ::close(start[0]);
        ::close(start[1]);
        for (const pid_t copy : copies)
            ::waitpid(copy, nullptr, 0);
        EXPECT_EQ(logLines().size(), 64 + 2 + 2) << "the cut log and the lines of both copies";
    }
}

TEST_F(FileLog, HugeLogIsCutFromItsEnd)
{
    // Gigabytes without a line break: the line they make is none of this log's.
    writeFile(logPath(), "no line break from here on");
    QFile log(logPath());
    ASSERT_TRUE(log.open(QIODevice::ReadWrite) && log.resize(3LL << 30) && log.seek(log.size()));
    const QByteArray end = "\nkept 1\nkept 2\n";
    ASSERT_EQ(log.write(end), end.size());
    log.close();
    m_Log.add(QStringLiteral("new"));
    m_Log.flush();
    EXPECT_EQ(logLines(),
              (QList<QByteArray>{"kept 1", "kept 2",
                                 QByteArray::fromStdString("[+--] " + kStamp + "new")}));
}

TEST_F(FileLog, FailedCutLeavesTheOldLogWhole)
{
    const QByteArray old = oldLog(262145);
    writeFile(logPath(), old);
    m_Log.add(QStringLiteral("lost"));
    {
        CFileSizeLimit fullDisk(1024);
        m_Log.flush();
    }
    EXPECT_EQ(readFile(logPath()), old);
    EXPECT_EQ(QDir(binFolder()).entryList(QDir::Files), QStringList{QStringLiteral("ombrix.log")});
}

TEST_F(FileLog, UnwritableFileDropsTheLinesAndTriesAgainNextTime)
{
    m_Log.setFolder(path(QStringLiteral("later/")));
    m_Log.add(QStringLiteral("dropped"));
    m_Log.flush();
    EXPECT_EQ(m_Log.getFileSize(), 0);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("later"))));
    m_Log.add(QStringLiteral("kept"));
    m_Log.flush();
    EXPECT_EQ(readFile(path(QStringLiteral("later/ombrix.log"))).toStdString(),
              "[+--] " + kStamp + "kept\n");
}

TEST_F(FileLog, APipeInTheLogsPlaceIsSkipped)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(logPath()).constData(), 0600), 0);
    for (const qsizetype lines : {1, 64}) { // a flush on request and one when the batch is full
        for (qsizetype i = 0; i < lines; ++i)
            m_Log.add(QStringLiteral("lost"));
        m_Log.flush();
        EXPECT_EQ(m_Log.getFileSize(), 0);
    }
    EXPECT_FALSE(QFileInfo(logPath()).isFile()) << "still the pipe";
}

TEST_F(FileLog, SharedLogLivesWhileSomeoneUsesIt)
{
    ASSERT_EQ(CFileLog::getInstance(), nullptr);
    CFileLog* first = CFileLog::acquire();
    ASSERT_EQ(CFileLog::acquire(), first);
    EXPECT_EQ(CFileLog::getRefCount(), 2);
    setUp(*first);
    first->add(QStringLiteral("pending"));

    CFileLog::release();
    EXPECT_EQ(CFileLog::getInstance(), first);
    EXPECT_FALSE(QFile::exists(logPath()));

    CFileLog::release();
    EXPECT_EQ(CFileLog::getInstance(), nullptr);
    EXPECT_EQ(logLines().size(), 1);
    CFileLog::release(); // one release too many does nothing
    EXPECT_EQ(CFileLog::getRefCount(), 0);
}

TEST(LogLines, FullStackDropsTheOldest)
{
    CLogLines lines;
    for (int i = 1; i <= 65; ++i)
        EXPECT_EQ(lines.push(QString::number(i)), std::min(i, 64) - 1);
    EXPECT_EQ(lines.get(0), QStringLiteral("2"));
    EXPECT_EQ(lines.get(63), QStringLiteral("65"));
    EXPECT_EQ(lines.push(QString()), 63); // refused: the index of the last kept line
    EXPECT_EQ(lines.getCount(), 64);
}

} // namespace
