#include "platform/Plainfile.h"

#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The address sanitizer reserves far more address space than any cap on it leaves.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceCappable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSpaceCappable = false;
#else
constexpr bool kAddressSpaceCappable = true;
#endif
#else
constexpr bool kAddressSpaceCappable = true;
#endif

// Far less than the capped rows' limit, far more than reading a short file takes.
constexpr rlim_t kAddressSpaceLeft = rlim_t(256) << 20U;

// From now on this process can map only kAddressSpaceLeft more: a machine's memory limit.
void capAddressSpace()
{
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit limit{};
    ::getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = std::min(limit.rlim_max, pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE))
                                                  + kAddressSpaceLeft);
    ::setrlimit(RLIMIT_AS, &limit);
}

// What the reading gave: the bytes, "+" after them when more followed; or why there were none.
std::string readingOf(const QString& fileName, qint64 limit)
{
    QByteArray content;
    bool complete = false;
    QString reason;
    if (readPlainFile(fileName, limit, content, complete, reason) != TPlainOpen::Opened)
        return reason.toStdString();
    return content.toStdString() + (complete ? "" : "+");
}

class PlainFile : public CIsolatedSettingsTest
{
protected:
    QString doc(const char* name) const
    {
        return docsFolder() + QLatin1Char('/') + QLatin1String(name);
    }

    void SetUp() override
    {
        CIsolatedSettingsTest::SetUp();
        writeFile(doc("plain.txt"), "0123456789");
        ASSERT_EQ(::mkfifo(QFile::encodeName(doc("pipe.txt")).constData(), 0600), 0);
        ASSERT_TRUE(QDir().mkpath(doc("folder.txt")));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), doc("zero.txt")));
        ASSERT_TRUE(QFile::link(doc("plain.txt"), doc("link.txt")));
    }
};

TEST_F(PlainFile, OnlyPlainFilesOpenAndNothingWaits)
{
    struct TCase
    {
        const char* name;
        TPlainOpen reading;
        TPlainOpen appending;
        int error; // the reason given when it does not open; 0: none
    };
    const TCase cases[] = {
        {"plain.txt", TPlainOpen::Opened, TPlainOpen::Opened, 0},
        {"link.txt", TPlainOpen::Opened, TPlainOpen::Opened, 0},
        {"pipe.txt", TPlainOpen::NotPlain, TPlainOpen::NotPlain, EOPNOTSUPP},
        {"folder.txt", TPlainOpen::NotPlain, TPlainOpen::NotPlain, EISDIR},
        {"zero.txt", TPlainOpen::NotPlain, TPlainOpen::NotPlain, EOPNOTSUPP},
        {"missing.txt", TPlainOpen::Missing, TPlainOpen::Opened, ENOENT}, // appending creates it
        {"no/folder.txt", TPlainOpen::Missing, TPlainOpen::Missing, ENOENT},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(isPlainFile(doc(c.name)), c.reading == TPlainOpen::Opened) << c.name;
        for (const QIODevice::OpenMode mode :
             {QIODevice::OpenMode(QIODevice::ReadOnly), QIODevice::WriteOnly | QIODevice::Append}) {
            const bool reading = mode == QIODevice::ReadOnly;
            const TPlainOpen expected = reading ? c.reading : c.appending;
            QFile file;
            QString reason;
            EXPECT_EQ(openPlainFile(file, doc(c.name), mode, reason), expected)
                << c.name << reading;
            EXPECT_EQ(file.isOpen(), expected == TPlainOpen::Opened) << c.name << reading;
            if (expected != TPlainOpen::Opened) {
                EXPECT_EQ(reason, systemReason(c.error)) << c.name << reading;
            }
        }
    }
}

TEST_F(PlainFile, ReadingStopsAtTheLimit)
{
    constexpr qint64 kGiB = qint64(1) << 30U;
    struct TCase
    {
        qint64 limit;
        qint64 size;       // the file's: ten digits, then a hole
        bool memoryCapped; // read in a child whose memory ends far below the limit
        std::string reading;
    };
    const TCase cases[] = {
        {4, 10, false, "0123+"},
        {10, 10, false, "0123456789"}, // exactly all of it
        {11, 10, false, "0123456789"},
        {kGiB, 10, true, "0123456789"}, // memory for what the file holds, not for the limit
        // No memory for what the file holds: a failed reading that says why.
        {kGiB, 2 * kGiB, true, systemReason(ENOMEM).toStdString()},
    };
    for (const TCase& c : cases) {
        writeFile(doc("read.txt"), "0123456789");
        ASSERT_TRUE(QFile::resize(doc("read.txt"), c.size)) << c.size;
        if (!c.memoryCapped) {
            EXPECT_EQ(readingOf(doc("read.txt"), c.limit), c.reading) << c.limit;
            continue;
        }
        if (!kAddressSpaceCappable)
            continue;
        EXPECT_EXIT(
            {
                capAddressSpace();
                const std::string reading = readingOf(doc("read.txt"), c.limit);
                std::fputs(reading.c_str(), stderr);
                std::_Exit(reading == c.reading ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << c.limit << ' ' << c.size;
    }
}

} // namespace
