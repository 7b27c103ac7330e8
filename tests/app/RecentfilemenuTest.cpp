#include "app/Recentfilemenu.h"

#include <gtest/gtest.h>

namespace {

// A path of the given length whose characters tell their place: "0123456789012...".
QString numberedPath(int length)
{
    QString path;
    for (int i = 0; i < length; ++i)
        path += QChar(u'0' + i % 10);
    return path;
}

} // namespace

TEST(RecentFileMenu, ShortPathsAreWhole)
{
    EXPECT_EQ(shortenFileName(QString()), QString());
    EXPECT_EQ(shortenFileName(QStringLiteral("/home/me/a.txt")), QStringLiteral("/home/me/a.txt"));
    EXPECT_EQ(shortenFileName(numberedPath(80)), numberedPath(80));
}

TEST(RecentFileMenu, LongPathsKeepTheirEnds)
{
    const QString path = numberedPath(81);
    const QString shortened = shortenFileName(path);
    EXPECT_EQ(shortened.size(), 79);
    EXPECT_EQ(shortened, path.left(38) + QStringLiteral("...") + path.right(38));
    EXPECT_EQ(shortened,
              QStringLiteral("01234567890123456789012345678901234567...") + path.right(38));

    const QString longer = numberedPath(300);
    EXPECT_EQ(shortenFileName(longer), longer.left(38) + QStringLiteral("...") + longer.right(38));
}

TEST(RecentFileMenu, CharactersOutsideTheBasicPlaneCountOnce)
{
    const QString pair = QString::fromUtf8("😀");
    const QString head = QString(37, QLatin1Char('a')) + pair;
    const QString tail = pair + QString(37, QLatin1Char('z'));
    // 80 characters though 82 UTF-16 units: whole.
    const QString eighty = head + QString(4, QLatin1Char('m')) + tail;
    EXPECT_EQ(shortenFileName(eighty), eighty);
    const QString eightyOne = head + QString(5, QLatin1Char('m')) + tail;
    EXPECT_EQ(shortenFileName(eightyOne), head + QStringLiteral("...") + tail);
}
