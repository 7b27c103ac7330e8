#include "platform/Atomicfile.h"

#include "platform/Plainfile.h"
#include "tests/support/Fulldisk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class AtomicFile : public CFullDiskTest
{
protected:
    QStringList folderFiles() const { return QDir(docsFolder()).entryList(QDir::Files); }
};

bool replace(const QString& fileName, const QByteArray& content, QString& reason)
{
    return writeFileAtomically(fileName, content, reason);
}

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
    const std::vector<TFullDiskCase> cases = {
        {"replaced beside: no room for the new file", false, old, QByteArray(5000, 'n'), 4096,
         false},
    };
    checkFullDiskCases(cases, replace, false);
}

TEST_F(AtomicFile, FullDiskInAReadOnlyFolderLeavesTheFileAsItWas)
{
    if (!CReadOnlyFolder(docsFolder()).isEnforced())
        GTEST_SKIP() << kSkipReason;
    const QByteArray old(3000, 'o');
    const std::vector<TFullDiskCase> cases = {
        {"in place: no room for the longer content", true, old, QByteArray(5000, 'n'), 4096, false},
        {"in place: longer content with room", true, old, QByteArray(4000, 'n'), 4096, true},
        {"in place: shorter content needs no room", true, old, "short", 1024, true},
    };
    checkFullDiskCases(cases, replace, false);
}

TEST_F(AtomicFile, OnlyPlainFilesAreWritten)
{
    checkOnlyPlainFilesAreTaken(replace);
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
