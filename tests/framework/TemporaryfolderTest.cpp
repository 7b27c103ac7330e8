#include "platform/Temporaryfolder.h"

#include "platform/Filenamebytes.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

class TemporaryFolder : public CIsolatedSettingsTest
{
};

TEST_F(TemporaryFolder, IsTheOneNamedWhenItIsAFolderElseTheSystemsDefault)
{
    writeFile(docsFolder() + QStringLiteral("/file"), "a file");
    // What TMPDIR holds and the folder taken.
    const std::pair<QString, QString> cases[] = {
        {docsFolder(), docsFolder()},
        {QString(), QStringLiteral("/tmp")},
        {path(QStringLiteral("missing")), QStringLiteral("/tmp")},
        {docsFolder() + QStringLiteral("/file"), QStringLiteral("/tmp")},
        // The toolkit and the settings library would reach another folder.
        {fileNameOfBytes(QFile::encodeName(docsFolder()) + "/caf\xe9"), QStringLiteral("/tmp")},
    };
    QDir().mkpath(docsFolder());
    ::mkdir((QFile::encodeName(docsFolder()) + "/caf\xe9").constData(), 0700);
    for (const auto& [named, taken] : cases) {
        qputenv("TMPDIR", bytesOfFileName(named));
        EXPECT_EQ(temporaryFolder(), taken) << named.toStdString();
    }
    // The toolkit that removes the test's folder cannot reach it.
    ::rmdir((QFile::encodeName(docsFolder()) + "/caf\xe9").constData());
}

} // namespace
