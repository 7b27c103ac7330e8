#include "platform/Appendfile.h"

#include "tests/support/Fulldisk.h"

#include <vector>

namespace {

using AppendFile = CFullDiskTest;

bool append(const QString& fileName, const QByteArray& content, QString& reason)
{
    return appendToFile(fileName, content, reason);
}

bool appendStaged(const QString& fileName, const QByteArray& content, QString& reason)
{
    CStagedAppend staged(fileName);
    staged.stream() << content.toStdString();
    return staged.append(reason);
}

TEST_F(AppendFile, FullDiskLeavesTheFileAsItWasAndSaysWhy)
{
    const QByteArray old(3000, 'o');
    const std::vector<TFullDiskCase> cases = {
        {"no room for the added part", false, old, QByteArray(2000, 'a'), 4096, false},
        {"added to a missing file", false, {}, "first", 4096, true},
    };
    checkFullDiskCases(cases, append, true);
}

TEST_F(AppendFile, FullDiskInAReadOnlyFolderLeavesTheFileAsItWas)
{
    if (!CReadOnlyFolder(docsFolder()).isEnforced())
        GTEST_SKIP() << "this process may write any folder (it runs as root)";
    const QByteArray old(3000, 'o');
    checkFullDiskCases({{"no room", true, old, QByteArray(2000, 'a'), 4096, false}}, append, true);
    checkFullDiskCases({{"staged in the temporary folder, the file's own taking none", true, old,
                         QByteArray(2000, 's'), 8192, true}},
                       appendStaged, true);
}

TEST_F(AppendFile, OnlyPlainFilesAreAddedTo)
{
    checkOnlyPlainFilesAreTaken(append);
}

} // namespace
