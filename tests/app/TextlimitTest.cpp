#include "app/Textlimit.h"

#include "app/Applimits.h"

#include <gtest/gtest.h>

namespace {

QString letters(int count)
{
    return QString(count, QLatin1Char('a'));
}

const QString kPair = QString::fromUtf8("😀");

} // namespace

TEST(TextLimit, LengthCountsLineBreaksAsTwo)
{
    EXPECT_EQ(editorTextLength(QString()), 0);
    EXPECT_EQ(editorTextLength(QStringLiteral("abc")), 3);
    EXPECT_EQ(editorTextLength(QStringLiteral("a\nb\n")), 6);
    EXPECT_EQ(editorTextLength(kPair), 2);
}

TEST(TextLimit, LoadedTextIsCut)
{
    struct TCase
    {
        const char* reason;
        QString text;
        qsizetype kept;
    };
    const TCase cases[] = {
        {"exactly at the limit", letters(kEditorMaxChars), kEditorMaxChars},
        {"one beyond", letters(kEditorMaxChars + 1), kEditorMaxChars},
        {"a line break filling the last two places", letters(kEditorMaxChars - 2) + "\n",
         kEditorMaxChars - 1},
        {"a line break with one place left is not kept", letters(kEditorMaxChars - 1) + "\nb",
         kEditorMaxChars - 1},
        {"a pair with one place left is not split", letters(kEditorMaxChars - 1) + kPair,
         kEditorMaxChars - 1},
        {"far beyond", letters(1000000), kEditorMaxChars},
        {"empty", QString(), 0},
    };
    for (const TCase& c : cases) {
        const QString cut = cutToEditorLimit(c.text);
        EXPECT_EQ(cut.size(), c.kept) << c.reason;
        EXPECT_TRUE(c.text.startsWith(cut)) << c.reason;
        EXPECT_LE(editorTextLength(cut), kEditorMaxChars) << c.reason;
    }
}

TEST(TextLimit, InsertionKeepsWhatFits)
{
    struct TCase
    {
        const char* reason;
        QString staying;
        QString inserted;
        QString kept;
        bool wholeLines = false; // a line that does not fit whole is left out
    };
    const TCase cases[] = {
        {"room for ten", letters(kEditorMaxChars - 10), "0123456789AB", "0123456789"},
        {"all fits", "x = 1;", "y = 2;\n", "y = 2;\n"},
        {"full editor", letters(kEditorMaxChars), "z", ""},
        {"text already beyond the limit is not cut and takes nothing",
         letters(kEditorMaxChars + 10), "z", ""},
        {"a line break needs two places", letters(kEditorMaxChars - 1), "\nx", ""},
        {"a line break in the last two places", letters(kEditorMaxChars - 2), "\nx", "\n"},
        {"staying line breaks count twice", QString(kEditorMaxChars / 2 - 1, QLatin1Char('\n')),
         "abc", "ab"},
        {"a pair is not split", letters(kEditorMaxChars - 2), "b" + kPair, "b"},
        {"results end at a line's end", letters(kEditorMaxChars - 20),
         "\n// a = 1\n// b = 814.6687", "\n// a = 1", true},
    };
    for (const TCase& c : cases) {
        const QString kept = c.wholeLines ? fitWholeLines(c.staying, c.inserted)
                                          : fitInsertion(c.staying, c.inserted);
        EXPECT_EQ(kept, c.kept) << c.reason;
    }

    const QString pasted = fitInsertion(QString(), letters(70000));
    EXPECT_EQ(pasted.size(), kEditorMaxChars);
}
