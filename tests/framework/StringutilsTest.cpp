#include "framework/Stringutils.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEnds)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"   ", ""},
        {"\t\r\n x y \x01\x1f", "x y"},
        {"a\nb", "a\nb"},
        {"\xc2\xa0x\xc2\xa0", "\xc2\xa0x\xc2\xa0"}, // a no-break space is text, not a blank
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(trimBlanks(s(in)), s(out)) << in;
}

TEST(LeftWhole, CutsWithoutSplittingACharacterOfTwoCodeUnits)
{
    const char* const pair = "\xf0\x9d\x9c\x8b"; // one character, two UTF-16 code units
    const struct
    {
        QString text;
        int maxLength;
        QString expected;
    } cases[] = {
        {s("abc"), 5, s("abc")},
        {s("abc"), 3, s("abc")},
        {s("abcd"), 3, s("abc")},
        {s("ab") + s(pair), 3, s("ab")},           // the cut falls inside the pair
        {s("ab") + s(pair), 4, s("ab") + s(pair)}, // the pair fits
        {s(pair) + s("x"), 1, s("")},
        {s("abc"), 0, s("")},
        {s("abc"), -1, s("")},
        {s(""), 3, s("")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leftWhole(c.text, c.maxLength), c.expected)
            << c.text.toStdString() << " / " << c.maxLength;
}

struct TSearchCase
{
    const char* text;
    const char* pattern;
    int start;
    int found;
    int count;
};

TEST(SubStrings, FindAndCount)
{
    const TSearchCase cases[] = {
        {"aaaa", "aa", 0, 0, 3}, // overlapping occurrences count each
        {"aaaa", "aa", 1, 1, 2},    {"abcabc", "bc", 2, 4, 1},
        {"abcabc", "BC", 0, -1, 0}, // exact letter case
        {"abc", "abc", 0, 0, 1},    {"abc", "c", 2, 2, 1},
        {"abc", "c", 3, -1, 0},                              // start at the text's length
        {"abc", "a", -1, -1, 0},    {"abc", "bc", 2, -1, 0}, // the pattern does not fit after start
        {"abc", "abcd", 0, -1, 0},  {"", "a", 0, -1, 0},
        {"abc", "", 0, -1, 0},
    };
    for (const TSearchCase& c : cases) {
        EXPECT_EQ(findSubString(s(c.text), s(c.pattern), c.start), c.found)
            << c.text << " / " << c.pattern << " from " << c.start;
        EXPECT_EQ(countSubString(s(c.text), s(c.pattern), c.start), c.count)
            << c.text << " / " << c.pattern << " from " << c.start;
    }
}

struct TReplaceCase
{
    const char* source;
    const char* pattern;
    const char* replacement;
    int start;
    int replaced;
    const char* result;
};

TEST(SubStrings, ReplaceReturnsTheWholeNewText)
{
    const TReplaceCase cases[] = {
        {"aaaa", "aa", "b", 0, 2, "bb"},
        {"aaa", "aa", "b", 0, 1, "ba"},
        {"aaaa", "aa", "bbb", 0, 2, "bbbbbb"},
        {"x=1; x=2;", "x", "long_name", 0, 2, "long_name=1; long_name=2;"}, // grows past the source
        {"abcabc", "abc", "-", 1, 1, "abc-"}, // text before start is kept
        {"abc", "z", "y", 0, 0, "abc"},
        // A void replacement leaves the target as it was.
        {"", "a", "b", 0, 0, "previous"},
        {"abc", "", "b", 0, 0, "previous"},
        {"abc", "a", "", 0, 0, "previous"},
        {"abc", "a", "b", 3, 0, "previous"},
        {"abc", "a", "b", -1, 0, "previous"},
        {"abc", "bc", "x", 2, 0, "previous"},
    };
    for (const TReplaceCase& c : cases) {
        QString target = QStringLiteral("previous");
        EXPECT_EQ(replaceSubStrings(s(c.source), target, s(c.pattern), s(c.replacement), c.start),
                  c.replaced)
            << c.source << " / " << c.pattern << " from " << c.start;
        EXPECT_EQ(target, s(c.result)) << c.source << " / " << c.pattern << " from " << c.start;
    }
}

QStringList entries(const TArrayChosenStrings& list)
{
    QStringList result;
    for (int i = 0; i < list.getCount(); ++i)
        result.append(list.get(i));
    return result;
}

TEST(ChosenStrings, AddPutsTheTextFirst)
{
    struct TCase
    {
        const char* name;
        bool caseSensitive;
        QStringList adds;
        QStringList expected;
    };
    const TCase cases[] = {
        {"new texts go first", false, {"a", "b", "c"}, {"c", "b", "a"}},
        {"an equal text moves to the front", false, {"a", "b", "c", "b"}, {"b", "c", "a"}},
        {"other letter case moves it and takes the new case",
         false,
         {"sin", "cos", "SIN"},
         {"SIN", "cos"}},
        {"case-sensitive lists keep both", true, {"sin", "cos", "SIN"}, {"SIN", "cos", "sin"}},
        {"the first entry again changes nothing", false, {"a", "b", "b"}, {"b", "a"}},
        {"empty texts are ignored", false, {"a", "", "b"}, {"b", "a"}},
        {"a full list moves an entry and keeps its count",
         false,
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "4"},
         {"4", "12", "11", "10", "9", "8", "7", "6", "5", "3", "2", "1"}},
    };
    for (const TCase& c : cases) {
        TArrayChosenStrings list;
        list.setCaseSensitive(c.caseSensitive);
        for (const QString& text : c.adds)
            list.add(text);
        EXPECT_EQ(entries(list), c.expected) << c.name;
    }
}

TEST(ChosenStrings, ThirteenthTextDropsTheOldest)
{
    TArrayChosenStrings list;
    for (int i = 1; i <= 13; ++i)
        list.add(QString::number(i));
    ASSERT_EQ(list.getCount(), 12);
    EXPECT_EQ(list.get(0), QStringLiteral("13"));
    EXPECT_EQ(list.get(11), QStringLiteral("2"));
    EXPECT_EQ(list.get(12), QString());
    EXPECT_EQ(list.indexOf(QStringLiteral("1")), -1);
}

} // namespace
