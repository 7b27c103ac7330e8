#include "app/UnFormFileInfo.h"

#include "app/Applimits.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

namespace {

using FileInfoWindow = CWindowTest;

// The locale every QLocale() gives while it lives.
class CDefaultLocale
{
public:
    explicit CDefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~CDefaultLocale() { QLocale::setDefault(m_Previous); }

private:
    QLocale m_Previous;
};

const QDateTime kWritten(QDate(2021, 6, 7), QTime(8, 9, 10));
const QDateTime kRead(QDate(2021, 6, 8), QTime(20, 9, 10));

// The window's memo, line by line, as shown for the file name.
QStringList shownLines(const QString& fileName)
{
    CTestMainWindow main;
    TFormFileInfo info(&main);
    info.setFileName(fileName);
    info.show();
    return info.findChild<QPlainTextEdit*>(QStringLiteral("MemoMain"))
        ->toPlainText()
        .split(QLatin1Char('\n'));
}

void writeDocument(const QString& fileName, qint64 size)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
    ASSERT_TRUE(file.setFileTime(kWritten, QFileDevice::FileModificationTime));
    ASSERT_TRUE(file.setFileTime(kRead, QFileDevice::FileAccessTime));
}

TEST_F(FileInfoWindow, WithoutAReadableFileOneLineSaysWhy)
{
    const QString missing = path(QStringLiteral("docs/missing.ombx"));
    const QString pipe = path(QStringLiteral("docs/pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    struct TCase
    {
        QString given;
        QString line;
        const char* reason;
    };
    const TCase cases[] = {
        {QString(), QStringLiteral("The file is not defined"), "a document never saved"},
        {QStringLiteral(" \t\r\n"), QStringLiteral("The file is not defined"),
         "blanks are no name"},
        {missing, "The file '" + missing + "' is not found.", "no such file"},
        {" \t" + missing + "\r\n", "The file '" + missing + "' is not found.",
         "blanks and control characters around the name are dropped"},
        {docsFolder(), "The file '" + docsFolder() + "' is not found.", "a folder is no document"},
        {pipe, "The file '" + pipe + "' is not found.",
         "a named pipe is no document, and reading it would wait for ever"},
    };
    for (const TCase& row : cases)
        EXPECT_EQ(shownLines(row.given), QStringList{row.line}) << row.reason;
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(FileInfoWindow, TheFileIsReadWhenTheWindowShows)
{
    CTestMainWindow main;
    const QString gone = path(QStringLiteral("docs/gone.ombx"));
    writeFile(gone, "x = 1;");
    TFormFileInfo deleted(&main);
    deleted.setFileName(gone);
    ASSERT_TRUE(QFile::remove(gone));
    deleted.show();
    EXPECT_EQ(deleted.findChild<QPlainTextEdit*>(QStringLiteral("MemoMain"))->toPlainText(),
              "The file '" + gone + "' is not found.");

    const QString late = path(QStringLiteral("docs/late.ombx"));
    TFormFileInfo created(&main);
    created.setFileName(late);
    writeFile(late, "x = 1;");
    created.show();
    const QStringList lines = created.findChild<QPlainTextEdit*>(QStringLiteral("MemoMain"))
                                  ->toPlainText()
                                  .split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "File's name: " + late);
}

TEST_F(FileInfoWindow, AnUnreadableFileIsAReadError)
{
    const QString locked = path(QStringLiteral("docs/locked.ombx"));
    writeFile(locked, "x = 1;");
    ASSERT_TRUE(QFile::setPermissions(locked, {}));
    QFile probe(locked);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user reads a file without read permission (root)";
    EXPECT_EQ(shownLines(locked), QStringList{"Error at reading of a file '" + locked + "'."});
}

TEST_F(FileInfoWindow, SizeAndTimesOfAFile)
{
    const CDefaultLocale english{QLocale(QLocale::English)};
    const QString name = path(QStringLiteral("docs/big.ombx"));
    writeDocument(name, 1234567);
    const QDateTime born = QFileInfo(name).birthTime();
    const QString creation =
        born.isValid() ? QLocale().toString(born.toLocalTime(), QStringLiteral("M/d/yy h:mm:ss AP"))
                       : QString();
    const QStringList expected = {
        "File's name: " + name,
        QStringLiteral("The size of a file: 1,234,567 byte"),
        "Date of creation of a file: " + creation,
        QStringLiteral("Date of change of a file: 6/7/21 8:09:10 AM"),
        QStringLiteral("Date of last access to a file: 6/8/21 8:09:10 PM"),
    };
    EXPECT_EQ(shownLines(name), expected);
}

TEST_F(FileInfoWindow, NumbersAndTimesFollowTheLocale)
{
    struct TCase
    {
        QLocale locale;
        const char* size;
        const char* changed;
        const char* reason;
    };
    const TCase cases[] = {
        {QLocale(QLocale::English), "1,234,567 byte", "6/7/21 8:09:10 AM", "12-hour clock"},
        {QLocale(QLocale::German), "1.234.567 byte", "07.06.21 08:09:10", "a dot groups thousands"},
        {QLocale::c(), "1,234,567 byte", "7 Jun 2021 08:09:10",
         "thousands are grouped even where the locale leaves them ungrouped by default"},
    };
    const QString name = path(QStringLiteral("docs/big.ombx"));
    writeDocument(name, 1234567);
    for (const TCase& row : cases) {
        const CDefaultLocale locale{row.locale};
        const QStringList lines = shownLines(name);
        ASSERT_EQ(lines.size(), 5) << row.reason;
        EXPECT_EQ(lines[1], QLatin1String("The size of a file: ") + QLatin1String(row.size))
            << row.reason;
        EXPECT_EQ(lines[3],
                  QLatin1String("Date of change of a file: ") + QLatin1String(row.changed))
            << row.reason;
    }
}

TEST_F(FileInfoWindow, NoCreationTimeWhereTheFileSystemKeepsNone)
{
    // The kernel's own files carry change and access times but no birth time.
    const QString name = QStringLiteral("/proc/version");
    if (!QFileInfo(name).isFile() || QFileInfo(name).birthTime().isValid())
        GTEST_SKIP() << "no file without a birth time on this system";
    const QStringList lines = shownLines(name);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], QStringLiteral("Date of creation of a file: "));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Date of change of a file: ")));
    EXPECT_GT(lines[3].size(), QStringLiteral("Date of change of a file: ").size());
}

TEST_F(FileInfoWindow, MemoShowsTheFocusTheTabGivesIt)
{
    CTestMainWindow main;
    TFormFileInfo info(&main);
    info.show();
    info.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&info));
    auto* memo = info.findChild<QPlainTextEdit*>(QStringLiteral("MemoMain"));
    expectTheFocusShows(memo, [memo] { memo->setFocus(Qt::TabFocusReason); });
}

TEST_F(FileInfoWindow, WindowAndButton)
{
    CTestMainWindow main;
    TFormFileInfo info(&main);
    info.show();
    EXPECT_EQ(info.windowTitle(), QStringLiteral("About file"));
    auto* cancel = info.findChild<QPushButton*>(QStringLiteral("ButtonCancel"));
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(main.isWindowOpen(QStringLiteral("TFormFileInfo")));

    EXPECT_EQ(info.minimumSize(), QSize(kFileInfoMinWidth, kFileInfoMinHeight));
    // At its smallest the controls still fit; long lines scroll sideways instead of wrapping.
    EXPECT_LE(info.layout()->minimumSize().width(), kFileInfoMinWidth);
    EXPECT_LE(info.layout()->minimumSize().height(), kFileInfoMinHeight);
    EXPECT_EQ(info.findChild<QPlainTextEdit*>(QStringLiteral("MemoMain"))->lineWrapMode(),
              QPlainTextEdit::NoWrap);
    EXPECT_TRUE(info.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(info.result(), QDialog::Rejected);
    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(main.isWindowOpen(QStringLiteral("TFormFileInfo")));
}

} // namespace
