#include "app/Resultstext.h"

#include "app/Numberformat.h"

#include <gtest/gtest.h>

using xonQMInterpreter::CQMInterpreter;

namespace {

TResultsStyle styleFor(int whereShowResult, int precision = 12, int formatNumber = 1)
{
    return {whereShowResult, buildNumberFormat(precision, formatNumber), QStringLiteral(",")};
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(ResultsText, AllVariablesByDestination)
{
    CQMInterpreter interpreter;
    ASSERT_TRUE(interpreter.perform("a = 1; b = a / 4;"));
    struct TCase
    {
        const char* reason;
        int whereShowResult;
        QString text;
    };
    const TCase cases[] = {
        {"editor: comment lines", 0, "// [Results of calculation] \r\n// a = 1\r\n// b = 0.25\r\n"},
        {"messages pane", 1, " [Results of calculation] \r\n a = 1\r\n b = 0.25\r\n"},
        {"results window", 2, " [Results of calculation] \r\n a = 1\r\n b = 0.25\r\n"},
        {"any other destination has no prefix", 7,
         " [Results of calculation] \r\n a = 1\r\n b = 0.25\r\n"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(buildResultsText(interpreter, styleFor(c.whereShowResult)), c.text) << c.reason;
}

TEST(ResultsText, NumberFormatAndSeparator)
{
    CQMInterpreter interpreter;
    ASSERT_TRUE(interpreter.perform("big = 1234567.5; third = 1 / 3; neg = -big;"));
    const TResultsStyle grouped{1, buildNumberFormat(3, 0), QStringLiteral(" ")};
    EXPECT_EQ(buildResultsText(interpreter, grouped),
              " [Results of calculation] \r\n big = 1 234 567.5\r\n third = 0.333\r\n"
              " neg = -1 234 567.5\r\n");
    EXPECT_EQ(buildResultsText(interpreter, styleFor(0, 3, 2)),
              "// [Results of calculation] \r\n// big = 1.235e+006\r\n// third = 3.333e-001\r\n"
              "// neg = -1.235e+006\r\n");
}

TEST(ResultsText, NothingWithoutVariables)
{
    CQMInterpreter interpreter;
    ASSERT_TRUE(interpreter.perform(""));
    EXPECT_EQ(buildResultsText(interpreter, styleFor(0)), QString());
    EXPECT_EQ(buildResultsText(interpreter, {QByteArray("a")}, styleFor(0)), QString());
    EXPECT_TRUE(variableNames(interpreter).isEmpty());
}

TEST(ResultsText, ChosenVariables)
{
    CQMInterpreter interpreter;
    const QByteArray longName(64, 'v');
    ASSERT_TRUE(
        interpreter.perform(("a = 1; b = a / 4; \xC0\xC1 = 2; " + longName + " = 3;").constData()));
    ASSERT_EQ(variableNames(interpreter), (QList<QByteArray>{"a", "b", "\xC0\xC1", longName}));

    struct TCase
    {
        const char* reason;
        QList<QByteArray> names;
        QString text;
    };
    const QString header = QStringLiteral("// [Results of calculation] \r\n");
    const TCase cases[] = {
        {"in the chosen order", {"b", "a"}, header + "// b = 0.25\r\n// a = 1\r\n"},
        {"unknown names are left out", {"zz", "b", "B"}, header + "// b = 0.25\r\n"},
        {"nothing found still has the header", {"zz"}, header},
        {"nothing chosen delivers nothing", {}, QString()},
        {"cp1251 name, byte for byte", {"\xC0\xC1"}, header + utf8("// АБ = 2\r\n")},
        {"a name of the longest length",
         {longName},
         header + "// " + QString::fromLatin1(longName) + " = 3\r\n"},
        {"a longer name is not looked up cut", {longName + 'v'}, header},
        {"a name with NUL is not looked up cut", {QByteArray("a\0b", 3)}, header},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(buildResultsText(interpreter, c.names, styleFor(0)), c.text) << c.reason;

    EXPECT_EQ(buildResultsText(interpreter, styleFor(1)),
              QStringLiteral(" [Results of calculation] \r\n a = 1\r\n b = 0.25\r\n")
                  + utf8(" АБ = 2\r\n") + " " + QString::fromLatin1(longName) + " = 3\r\n");
}

TEST(ResultsText, FormatResult)
{
    const QString pattern = buildNumberFormat(12, 1);
    EXPECT_EQ(formatResult(QStringLiteral("x"), 0.25, pattern, QString()),
              QStringLiteral("x = 0.25"));
    EXPECT_EQ(formatResult(QStringLiteral(" \tx \r"), 5, pattern, QString()),
              QStringLiteral("x = 5"));
    EXPECT_EQ(formatResult(QStringLiteral("x"), 5, QString(), QString()),
              QStringLiteral("x = (ERROR)"));
    EXPECT_EQ(formatResult(QStringLiteral("x"), 5, QStringLiteral("  "), QString()),
              QStringLiteral("x = (ERROR)"));
}

TEST(ResultsText, MessageLines)
{
    CQMInterpreter interpreter;
    interpreter.perform("");
    EXPECT_EQ(messageLines(interpreter), QStringList{QStringLiteral("text is empty")});

    interpreter.perform("a = 1;");
    EXPECT_TRUE(messageLines(interpreter).isEmpty());

    // Errors first, then the plain message of the command; names come out of cp1251.
    interpreter.perform("\xC0\xC1 = 2 * ; exit; y = 1;");
    EXPECT_EQ(
        messageLines(interpreter),
        (QStringList{
            " [error, line 1, position 10] error in expression, the expression is missed after "
            "of the word '*'",
            utf8(" [error, line 1, position 1] error in the definition of new value for a "
                 "variable, name of a varialble АБ"),
            " [line 1, position 12] the performance of a command 'exit'",
        }));
}
