#include "tests/support/Fulldisk.h"

#include "platform/Plainfile.h"
#include "platform/Termination.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TChildAnswer writeInChild(rlim_t fileSizeLimit, const std::function<bool(QString&)>& write,
                          bool unprivileged)
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

void CFullDiskTest::checkFullDiskCases(const std::vector<TFullDiskCase>& cases, const TWrite& write,
                                       bool appends)
{
    const auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    for (const TFullDiskCase& c : cases) {
        QFile::setPermissions(docsFolder(), writable);
        QFile::remove(filePath());
        if (!c.before.isNull())
            writeFile(filePath(), c.before);
        std::unique_ptr<CReadOnlyFolder> readOnly;
        if (c.readOnlyFolder)
            readOnly = std::make_unique<CReadOnlyFolder>(docsFolder());
        const TChildAnswer answer = writeInChild(c.limit, [&](QString& reason) {
            return write(filePath(), c.content, reason);
        });
        readOnly.reset();
        EXPECT_EQ(answer.written, c.written) << c.reason;
        const QByteArray expected = !c.written ? c.before
                                    : appends  ? c.before + c.content
                                               : c.content;
        EXPECT_EQ(readFile(filePath()), expected) << c.reason;
        EXPECT_EQ(answer.reason, c.written ? QString() : systemReason(EFBIG)) << c.reason;
        EXPECT_EQ(QDir(docsFolder()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("a.txt")})
            << c.reason << ": no temporary file is left";
    }
}

void CFullDiskTest::checkOnlyPlainFilesAreTaken(const TWrite& write)
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
        QString reason;
        EXPECT_FALSE(write(c.target, "x", reason)) << c.target.toStdString();
        EXPECT_EQ(reason, systemReason(c.error)) << c.target.toStdString();
        EXPECT_FALSE(isPlainFile(c.target)) << "still what it was";
    }
}
