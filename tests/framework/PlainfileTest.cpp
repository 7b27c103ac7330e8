#include "platform/Plainfile.h"

#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace {

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
    struct TCase
    {
        qint64 limit;
        QByteArray content;
        bool complete;
    };
    const TCase cases[] = {
        {4, "0123", false},
        {10, "0123456789", true}, // exactly all of it
        {11, "0123456789", true},
    };
    for (const TCase& c : cases) {
        QByteArray content;
        bool complete = !c.complete;
        QString reason;
        ASSERT_EQ(readPlainFile(doc("plain.txt"), c.limit, content, complete, reason),
                  TPlainOpen::Opened);
        EXPECT_EQ(content, c.content) << c.limit;
        EXPECT_EQ(complete, c.complete) << c.limit;
    }
}

} // namespace
