#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <sys/resource.h>

// Each test gets a fresh temporary folder holding the executable's folder ("bin", with the
// executable "bin/ombrix"), the user's settings ("config"), data home ("data"), documents
// ("docs") and the temporary folder the program uses ("tmp").
class CIsolatedSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& relative) const;
    QString binFolder() const { return path(QStringLiteral("bin")); }
    QString iniPath() const { return path(QStringLiteral("bin/ombrix.ini")); }
    QString userStorePath() const { return path(QStringLiteral("config/Ombrix.conf")); }
    QString dataHome() const { return path(QStringLiteral("data")); }
    QString docsFolder() const { return path(QStringLiteral("docs")); }
    QString tempFolder() const { return path(QStringLiteral("tmp")); }

    static QByteArray readFile(const QString& fileName);
    static void writeFile(const QString& fileName, const QByteArray& content);

private:
    // What these pointed to before the test is given back after it; null: unset.
    static constexpr std::array<const char*, 3> kRedirectedVariables = {"TMPDIR", "XDG_CONFIG_HOME",
                                                                        "XDG_DATA_HOME"};

    QTemporaryDir m_Dir;
    std::array<QByteArray, kRedirectedVariables.size()> m_OuterVariables;
};

// While it lives, files of this process cannot grow beyond the given size: a full disk.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t bytes);
    ~CFileSizeLimit();

private:
    rlimit m_Previous{};
    void (*m_PreviousHandler)(int) = nullptr;
};

// While it lives, the folder cannot be written: no file can be made in it, while the files it
// holds stay writable. Where the process is not held to permissions (it runs as root), the
// folder stays writable and isEnforced() says so.
class CReadOnlyFolder
{
public:
    explicit CReadOnlyFolder(const QString& folder);
    ~CReadOnlyFolder();

    bool isEnforced() const { return m_Enforced; }

private:
    QString m_Folder;
    bool m_Enforced = false;
};
