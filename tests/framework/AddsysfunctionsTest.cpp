#include "framework/Addsysfunctions.h"

#include "framework/Arrayshortstring.h"
#include "tests/support/Isolatedsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>

namespace {

using FileFunctions = CIsolatedSettingsTest;

TEST_F(FileFunctions, SizeOfFiles)
{
    const QString small = path(QStringLiteral("small.txt"));
    writeFile(small, "12345");
    qint64 size = -7;
    ASSERT_TRUE(getFileSize(small, size));
    EXPECT_EQ(size, 5);

    // Sizes beyond 4 GiB are not cut to their low 32 bits (the file is sparse).
    const QString big = path(QStringLiteral("big.bin"));
    const qint64 bigSize = (qint64(1) << 32) + 3;
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (!file.resize(bigSize))
            GTEST_SKIP() << "the temporary folder cannot hold a sparse file of 4 GiB";
    }
    ASSERT_TRUE(getFileSize(big, size));
    EXPECT_EQ(size, bigSize);
}

TEST_F(FileFunctions, WhatCannotBeOpenedHasNoSize)
{
    // A named pipe is no file: opening it for reading would wait for a writer forever.
    const QString pipe = path(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& name :
         {path(QStringLiteral("missing.txt")), binFolder(), QString(), pipe}) {
        qint64 size = -7;
        EXPECT_FALSE(getFileSize(name, size)) << name.toStdString();
        EXPECT_EQ(size, -7);
    }
}

TEST_F(FileFunctions, FileInfoGivesSizeAndTimes)
{
    const QString name = path(QStringLiteral("doc.ombx"));
    writeFile(name, "x = 1;\n");
    const QDateTime written(QDate(2021, 6, 7), QTime(8, 9, 10));
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
        ASSERT_TRUE(file.setFileTime(written.addDays(1), QFileDevice::FileAccessTime));
    }
    qint64 size = 0;
    QDateTime creation, lastWrite, lastAccess;
    ASSERT_TRUE(getFileInfo(name, size, creation, lastWrite, lastAccess));
    EXPECT_EQ(size, 7);
    EXPECT_EQ(lastWrite, written);
    EXPECT_EQ(lastWrite.timeSpec(), Qt::LocalTime);
    EXPECT_EQ(lastAccess, written.addDays(1));
    // The birth time where the file system keeps one; never another time standing in for it.
    const QDateTime born = QFileInfo(name).birthTime();
    if (born.isValid())
        EXPECT_EQ(creation, born);
    else
        EXPECT_FALSE(creation.isValid());

    QDateTime untouched(QDate(2000, 1, 1), QTime(0, 0));
    creation = lastWrite = lastAccess = untouched;
    size = -1;
    EXPECT_FALSE(
        getFileInfo(path(QStringLiteral("missing")), size, creation, lastWrite, lastAccess));
    EXPECT_EQ(size, -1);
    EXPECT_EQ(lastWrite, untouched);
}

TEST_F(FileFunctions, NoCreationTimeWhereTheFileSystemKeepsNone)
{
    // The kernel's own files carry change and access times but no birth time.
    const QString name = QStringLiteral("/proc/version");
    if (!QFileInfo(name).isFile() || QFileInfo(name).birthTime().isValid())
        GTEST_SKIP() << "no file without a birth time on this system";
    qint64 size = -1;
    QDateTime creation(QDate(2000, 1, 1), QTime(0, 0));
    QDateTime lastWrite, lastAccess;
    ASSERT_TRUE(getFileInfo(name, size, creation, lastWrite, lastAccess));
    EXPECT_FALSE(creation.isValid());
    EXPECT_TRUE(lastWrite.isValid());
    EXPECT_TRUE(lastAccess.isValid());
}

TEST(FontNames, ListIsRefilledFromTheFontDatabase)
{
    CArrayShortString list;
    list.setUnique(true);
    list.add(QStringLiteral("left over"));
    ASSERT_TRUE(GetFontNames(QFontDatabase::Any, false, list));
    EXPECT_EQ(list.find(QStringLiteral("left over")), -1);

    const QStringList families = QFontDatabase::families();
    EXPECT_EQ(list.getCount(), QSet<QString>(families.begin(), families.end()).size());

    CArrayShortString outlines;
    outlines.setUnique(true);
    ASSERT_TRUE(GetFontNames(QFontDatabase::Any, true, outlines));
    EXPECT_LE(outlines.getCount(), list.getCount());
    for (int i = 0; i < outlines.getCount(); ++i) {
        QString name;
        ASSERT_TRUE(outlines.get(i, name));
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(name)) << name.toStdString();
        EXPECT_GE(list.find(name), 0);
    }
}

} // namespace
