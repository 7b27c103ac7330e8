#include "platform/Atomicfile.h"

#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>

namespace {

class AtomicFile : public CIsolatedSettingsTest
{
protected:
    QString filePath() const { return docsFolder() + QStringLiteral("/a.txt"); }
    QStringList folderFiles() const { return QDir(docsFolder()).entryList(QDir::Files); }
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

} // namespace
