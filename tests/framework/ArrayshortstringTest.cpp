#include "framework/Arrayshortstring.h"

#include <gtest/gtest.h>

namespace {

TEST(ArrayShortString, StorageGrowsByBlocksOf21)
{
    CArrayShortString list;
    EXPECT_EQ(list.getCapacity(), 0);
    const std::pair<int, int> countToCapacity[] = {{1, 21},  {20, 21}, {21, 21},
                                                   {22, 42}, {42, 42}, {43, 63}};
    int added = 0;
    for (const auto& [count, capacity] : countToCapacity) {
        for (; added < count; ++added)
            EXPECT_EQ(list.add(QStringLiteral("font %1").arg(added)), added);
        EXPECT_EQ(list.getCount(), count);
        EXPECT_EQ(list.getCapacity(), capacity) << "after " << count << " additions";
    }
    QString text;
    ASSERT_TRUE(list.get(42, text));
    EXPECT_EQ(text, QStringLiteral("font 42"));

    list.clear();
    EXPECT_EQ(list.getCount(), 0);
    EXPECT_EQ(list.getCapacity(), 0);
}

TEST(ArrayShortString, UniqueModeRefusesExactDuplicates)
{
    CArrayShortString list;
    list.setUnique(true);
    EXPECT_EQ(list.add(QStringLiteral("Arial")), 0);
    EXPECT_EQ(list.add(QStringLiteral("Arial")), -1);
    EXPECT_EQ(list.add(QStringLiteral("arial")), 1);
    EXPECT_EQ(list.getCount(), 2);
    EXPECT_EQ(list.find(QStringLiteral("arial")), 1);
    EXPECT_EQ(list.find(QStringLiteral("ARIAL")), -1);

    CArrayShortString plain;
    plain.add(QStringLiteral("Arial"));
    EXPECT_EQ(plain.add(QStringLiteral("Arial")), 1);
}

TEST(ArrayShortString, LongStringsAreCutTo255)
{
    CArrayShortString list;
    list.setUnique(true);
    const QString longer = QString(300, QLatin1Char('x'));
    ASSERT_EQ(list.add(longer), 0);
    QString stored;
    ASSERT_TRUE(list.get(0, stored));
    EXPECT_EQ(stored, QString(255, QLatin1Char('x')));
    // Equal once cut, so a duplicate.
    EXPECT_EQ(list.add(QString(256, QLatin1Char('x'))), -1);
}

TEST(ArrayShortString, CutNeverSplitsACharacterOfTwoCodeUnits)
{
    const QString pair = QString::fromUtf8("\xf0\x9d\x9c\x8b"); // two UTF-16 code units
    struct TCase
    {
        QString text;
        QString stored;
        const char* reason;
    };
    const TCase cases[] = {
        {QString(254, QLatin1Char('x')) + pair, QString(254, QLatin1Char('x')),
         "the pair would end at 256"},
        {QString(253, QLatin1Char('x')) + pair + QStringLiteral("z"),
         QString(253, QLatin1Char('x')) + pair, "the pair fits"},
        {pair.repeated(200), pair.repeated(127), "pairs only: 254 units kept"},
    };
    for (const TCase& c : cases) {
        CArrayShortString list;
        ASSERT_EQ(list.add(c.text), 0);
        QString stored;
        ASSERT_TRUE(list.get(0, stored));
        EXPECT_EQ(stored, c.stored) << c.reason;
        EXPECT_FALSE(stored.back().isHighSurrogate()) << c.reason;
    }
}

TEST(ArrayShortString, IndexesOutsideTheListAreRefused)
{
    CArrayShortString list;
    list.add(QStringLiteral("a"));
    QString text = QStringLiteral("unchanged");
    EXPECT_FALSE(list.get(-1, text));
    EXPECT_FALSE(list.get(1, text));
    EXPECT_EQ(text, QStringLiteral("unchanged"));
    EXPECT_EQ(list.find(QStringLiteral("b")), -1);
}

} // namespace
