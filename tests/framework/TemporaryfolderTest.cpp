#include "platform/Temporaryfolder.h"

#include "tests/support/Isolatedsettings.h"

#include <QFile>

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
    };
    for (const auto& [named, taken] : cases) {
        qputenv("TMPDIR", QFile::encodeName(named));
        EXPECT_EQ(temporaryFolder(), taken) << named.toStdString();
    }
}

} // namespace
