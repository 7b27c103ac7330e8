#pragma once

#include "tests/support/Isolatedsettings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

// Whether the child wrote, and the system's reason where it did not.
struct TChildAnswer
{
    bool written = false;
    QString reason;
};

// The user and group that own nothing.
constexpr uid_t kNobody = 65534;

// Runs the write in a child process whose files cannot grow beyond the limit: past it the
// system answers EFBIG, as a full disk answers ENOSPC, and this process keeps its own limit.
// An unprivileged child runs as the user and group kNobody.
TChildAnswer writeInChild(rlim_t fileSizeLimit, const std::function<bool(QString&)>& write,
                          bool unprivileged = false);

// Each case writes into a file that holds `before` (null: no file), in a child process that
// cannot make files longer than `limit`.
struct TFullDiskCase
{
    const char* reason;
    bool readOnlyFolder; // no file can be made beside it
    QByteArray before;
    QByteArray content;
    rlim_t limit;
    bool written;
};

// Writes into one file of the documents' folder.
class CFullDiskTest : public CIsolatedSettingsTest
{
protected:
    using TWrite =
        std::function<bool(const QString& fileName, const QByteArray& content, QString& reason)>;

    QString filePath() const { return docsFolder() + QStringLiteral("/a.txt"); }
    // Where a case was written, the file holds its content, after `before` where `appends`.
    // Failed or not, no other file is left.
    void checkFullDiskCases(const std::vector<TFullDiskCase>& cases, const TWrite& write,
                            bool appends);
    // A pipe and a folder are refused with the system's reason, without waiting for a reader
    // of the pipe, and stay what they were.
    void checkOnlyPlainFilesAreTaken(const TWrite& write);
};
