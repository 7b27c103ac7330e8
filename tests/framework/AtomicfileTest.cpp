#include "platform/Atomicfile.h"

#include "platform/Plainfile.h"
#include "platform/Termination.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <functional>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct TChildAnswer
{
    bool written = false;
    QString reason;
};

constexpr uid_t kNobody = 65534;

// Runs the write in a child process whose files cannot grow beyond the limit: past it the
// system answers EFBIG, as a full disk answers ENOSPC, and this process keeps its own limit.
// An unprivileged child runs as the user and group kNobody.
TChildAnswer writeInChild(rlim_t fileSizeLimit, const std::function<bool(QString&)>& write,
                          bool unprivileged = false)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {false, QStringLiteral("no pipe")};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        failWritesPastTheFileSizeLimit();
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = fileSizeLimit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (unprivileged
            && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        QString reason;
        const bool written = write(reason);
        const QByteArray bytes = reason.toUtf8();
        (void)!::write(channel[1], bytes.constData(), static_cast<size_t>(bytes.size()));
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray reason;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, QString::fromUtf8(reason)};
}

// Each case writes into a file that holds `before` (null: no file), in a child process that
// cannot make files longer than `limit`.
struct TLimitCase
{
    const char* reason;
    bool readOnlyFolder; // the write happens in place
    bool append;
    QByteArray before;
    QByteArray content;
    rlim_t limit;
    bool written;
    bool staged = false; // appended through a file of its own
};

class AtomicFile : public CIsolatedSettingsTest
{
protected:
    QString filePath() const { return docsFolder() + QStringLiteral("/a.txt"); }
    QStringList folderFiles() const { return QDir(docsFolder()).entryList(QDir::Files); }

    void checkLimitCases(const std::vector<TLimitCase>& cases)
    {
        const auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                              | QFileDevice::ExeOwner;
        for (const TLimitCase& c : cases) {
            QFile::setPermissions(docsFolder(), writable);
            QFile::remove(filePath());
            if (!c.before.isNull())
                writeFile(filePath(), c.before);
            std::unique_ptr<CReadOnlyFolder> readOnly;
            if (c.readOnlyFolder)
                readOnly = std::make_unique<CReadOnlyFolder>(docsFolder());
            const TChildAnswer answer = writeInChild(c.limit, [&](QString& reason) {
                if (c.staged) {
                    CStagedAppend staged(filePath());
                    staged.stream() << c.content.toStdString();
                    return staged.append(reason);
                }
                return c.append ? appendToFile(filePath(), c.content, reason)
                                : writeFileAtomically(filePath(), c.content, reason);
            });
            readOnly.reset();
            EXPECT_EQ(answer.written, c.written) << c.reason;
            const QByteArray expected = !c.written ? c.before
                                        : c.append ? c.before + c.content
                                                   : c.content;
            EXPECT_EQ(readFile(filePath()), expected) << c.reason;
            EXPECT_EQ(answer.reason, c.written ? QString() : systemReason(EFBIG)) << c.reason;
            EXPECT_EQ(QDir(docsFolder()).entryList(QDir::Files | QDir::Hidden),
                      QStringList{QStringLiteral("a.txt")})
                << c.reason << ": no temporary file is left";
        }
    }
};

const char* const kSkipReason = "this process may write any folder (it runs as root)";

TEST_F(AtomicFile, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    writeFile(filePath(), "the old content, longer than the new");
    ASSERT_TRUE(writeFileAtomically(filePath(), "new"));
    EXPECT_EQ(readFile(filePath()), QByteArray("new"));
    EXPECT_EQ(folderFiles(), QStringList{QStringLiteral("a.txt")});
}

TEST_F(AtomicFile, WritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    writeFile(filePath(), "the old content, longer than the new");
    CReadOnlyFolder readOnly(docsFolder());
    if (!readOnly.isEnforced())
        GTEST_SKIP() << kSkipReason;
    EXPECT_TRUE(writeFileAtomically(filePath(), "new"));
    EXPECT_EQ(readFile(filePath()), QByteArray("new"));
    // And again: the fallback is not a one-off.
    EXPECT_TRUE(writeFileAtomically(filePath(), "newer"));
    EXPECT_EQ(readFile(filePath()), QByteArray("newer"));
    EXPECT_EQ(folderFiles(), QStringList{QStringLiteral("a.txt")});
}

TEST_F(AtomicFile, FileThatCannotBeWrittenAtAllIsRefusedAndKept)
{
    writeFile(filePath(), "kept");
    ASSERT_TRUE(QFile::setPermissions(filePath(), QFileDevice::ReadOwner));
    CReadOnlyFolder readOnly(docsFolder());
    if (!readOnly.isEnforced())
        GTEST_SKIP() << kSkipReason;
    EXPECT_FALSE(writeFileAtomically(filePath(), "new"));
    EXPECT_EQ(readFile(filePath()), QByteArray("kept"));
}

TEST_F(AtomicFile, NewFileInAReadOnlyFolderIsRefused)
{
    CReadOnlyFolder readOnly(docsFolder());
    if (!readOnly.isEnforced())
        GTEST_SKIP() << kSkipReason;
    EXPECT_FALSE(writeFileAtomically(filePath(), "new"));
    EXPECT_TRUE(folderFiles().isEmpty());
}

TEST_F(AtomicFile, FullDiskLeavesTheFileAsItWasAndSaysWhy)
{
    const QByteArray old(3000, 'o');
    const std::vector<TLimitCase> cases = {
        {"replaced beside: no room for the new file", false, false, old, QByteArray(5000, 'n'),
         4096, false},
        {"appended: no room for the added part", false, true, old, QByteArray(2000, 'a'), 4096,
         false},
        {"appended to a missing file", false, true, {}, "first", 4096, true},
    };
    checkLimitCases(cases);
}

TEST_F(AtomicFile, FullDiskInAReadOnlyFolderLeavesTheFileAsItWas)
{
    if (!CReadOnlyFolder(docsFolder()).isEnforced())
        GTEST_SKIP() << kSkipReason;
    const QByteArray old(3000, 'o');
    const std::vector<TLimitCase> cases = {
        {"in place: no room for the longer content", true, false, old, QByteArray(5000, 'n'), 4096,
         false},
        {"in place: longer content with room", true, false, old, QByteArray(4000, 'n'), 4096, true},
        {"in place: shorter content needs no room", true, false, old, "short", 1024, true},
        {"appended in a read-only folder: no room", true, true, old, QByteArray(2000, 'a'), 4096,
         false},
        {"staged in the temporary folder, the file's own taking none", true, true, old,
         QByteArray(2000, 's'), 8192, true, true},
    };
    checkLimitCases(cases);
}

TEST_F(AtomicFile, OnlyPlainFilesAreWritten)
{
    const QString pipe = docsFolder() + QStringLiteral("/pipe.txt");
    const QString folder = docsFolder() + QStringLiteral("/folder.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(folder));
    struct TCase
    {
        QString target;
        int error;
    };
    const TCase cases[] = {{pipe, EOPNOTSUPP}, {folder, EISDIR}};
    for (const TCase& c : cases) {
        for (const bool append : {false, true}) {
            QString reason;
            // Neither waits for a reader of the pipe.
            const bool written = append ? appendToFile(c.target, "x", reason)
                                        : writeFileAtomically(c.target, "x", reason);
            EXPECT_FALSE(written) << c.target.toStdString();
            EXPECT_EQ(reason, systemReason(c.error)) << c.target.toStdString();
        }
        EXPECT_FALSE(isPlainFile(c.target)) << "still what it was";
    }
}

TEST_F(AtomicFile, ALinkIsWrittenThroughAndTheModeKept)
{
    writeFile(filePath(), "old");
    ASSERT_TRUE(QFile::setPermissions(filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                      | QFileDevice::ReadOther));
    const QString link = docsFolder() + QStringLiteral("/link.txt");
    ASSERT_TRUE(QFile::link(filePath(), link));
    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(filePath()), QByteArray("new"));
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
    EXPECT_EQ(QFile::permissions(filePath()) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              mode);
}

TEST_F(AtomicFile, TheFileDecidesWhoWritesItAndKeepsItsOwnerModeAndNames)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "files of other users are made as root";
    ASSERT_EQ(::chmod(QFile::encodeName(path(QString())).constData(), 0711), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(docsFolder()).constData(), 0777), 0);
    // A private temporary folder (as mktemp -d makes) keeps the other user out of this test's.
    const QByteArray docs = QFile::encodeName(docsFolder());
    const TChildAnswer entered = writeInChild(
        RLIM_INFINITY,
        [&](QString& reason) {
            const bool reached = ::access(docs.constData(), W_OK | X_OK) == 0;
            reason = reached ? QString() : systemReason(errno);
            return reached;
        },
        true);
    if (!entered.written)
        GTEST_SKIP() << "user " << kNobody << " cannot reach " << docs.constData() << ": "
                     << entered.reason.toStdString();
    struct TCase
    {
        const char* reason;
        uid_t owner; // and group
        mode_t mode;
        bool byNobody; // else by root
        bool written;
        int nameLength = 5;
        bool linked = false; // a second hard link
    };
    const TCase cases[] = {
        {"a read-only file in a writable folder", kNobody, 0444, true, false},
        {"root's file the user may not write", 0, 0644, true, false},
        {"root's file the user may write stays root's", 0, 0666, true, true},
        {"root writing another's file gives it back", kNobody, 0640, false, true},
        {"set-id bits outlive the change of owner", kNobody, 06750, false, true},
        {"a private file stays private", 0, 0600, false, true},
        {"the longest name a folder takes", 0, 0644, false, true, 255},
        {"a name the temporary ending would make too long", 0, 0644, false, true, 249},
        {"a second link shows the new content", 0, 0644, false, true, 5, true},
    };
    const QByteArray link = QFile::encodeName(docsFolder() + QStringLiteral("/link"));
    for (const TCase& c : cases) {
        const QString file = docsFolder() + QLatin1Char('/') + QString(c.nameLength, u'n');
        const QByteArray name = QFile::encodeName(file);
        writeFile(file, "old");
        ASSERT_TRUE(::chown(name.constData(), c.owner, c.owner) == 0
                    && ::chmod(name.constData(), c.mode) == 0
                    && (!c.linked || ::link(name.constData(), link.constData()) == 0));
        const TChildAnswer answer = writeInChild(
            RLIM_INFINITY,
            [&](QString& reason) { return writeFileAtomically(file, "new", reason); }, c.byNobody);
        EXPECT_EQ(answer.reason, c.written ? QString() : systemReason(EACCES)) << c.reason;
        EXPECT_EQ(readFile(file), QByteArray(c.written ? "new" : "old")) << c.reason;
        struct stat info = {};
        ASSERT_EQ(::stat(name.constData(), &info), 0);
        EXPECT_EQ(std::tuple(info.st_uid, info.st_gid, info.st_mode & 07777, info.st_nlink),
                  std::tuple(c.owner, c.owner, c.mode, c.linked ? 2u : 1u))
            << c.reason;
        EXPECT_EQ(readFile(QString::fromLocal8Bit(link)), c.linked ? "new" : QByteArray());
        EXPECT_EQ(QDir(docsFolder()).entryList(QDir::Files | QDir::Hidden).size(), c.linked ? 2 : 1)
            << c.reason << ": no temporary file is left";
        ASSERT_TRUE(QFile::remove(file) && (!c.linked || ::unlink(link.constData()) == 0));
    }
}

} // namespace
