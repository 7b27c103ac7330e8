// Hostile texts through the whole interpreter: each run ends with its messages and variables,
// never with a crash, however deep, long or strange the text.

#include "InterpreterRun.h"
#include "Limits.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace ombrix_test;

namespace {

constexpr int TEN_MEGABYTES = 10 * 1024 * 1024;

std::string nested(int depth, const std::string& open, const std::string& inner,
                   const std::string& close)
{
    std::string text = "x = ";
    text.reserve(text.size() + depth * (open.size() + close.size()) + inner.size() + 1);
    for (int i = 0; i < depth; ++i)
        text += open;
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text + ";";
}

// f0(x) = x; then fk(x) = f(k-1)(x) + 0; for k up to count, and a = f<count>(1);
std::string callChain(int count)
{
    std::string text = "f0(x) = x;\n";
    for (int k = 1; k <= count; ++k) {
        text.append("f").append(std::to_string(k)).append("(x) = f");
        text.append(std::to_string(k - 1)).append("(x) + 0;\n");
    }
    return text.append("a = f").append(std::to_string(count)).append("(1);\n");
}

struct THostileCase
{
    const char* reason;
    std::string text;
    bool performed;
    // The beginning of the first message line; empty when the run has no message.
    std::string first;
    int messages;
    Lines variables;
};

void expectEnds(const THostileCase& c)
{
    SCOPED_TRACE(c.reason);
    TRun run;
    xonQMInterpreter::CQMInterpreter interpreter;
    ASSERT_NO_THROW(run = runText(interpreter, c.text));
    EXPECT_EQ(run.performed, c.performed);
    EXPECT_EQ(static_cast<int>(run.messages.size()), c.messages);
    const std::string first = run.messages.empty() ? std::string() : run.messages.front();
    EXPECT_EQ(first.substr(0, c.first.empty() ? std::string::npos : c.first.size()), c.first);
    EXPECT_EQ(run.variables, c.variables);
    // The interpreter is left fit for the next run.
    const TRun next = runText(interpreter, "a = 1;");
    EXPECT_TRUE(next.performed);
    EXPECT_EQ(next.variables, Lines{"a=1"});
}

} // namespace

TEST(HostileTexts, DeepNestingIsRefusedWithAMessage)
{
    expectEnds({"ten thousand brackets",
                nested(10000, "(1+", "1", ")"),
                false,
                " [error, line 1, position 3005] the expression is nested too deeply",
                2,
                {"x=0"}});
    expectEnds({"ten thousand calls",
                nested(10000, "abs(", "1", ")"),
                false,
                " [error, line 1, position 4005] the expression is nested too deeply",
                2,
                {"x=0"}});
    std::string power = "x = 2";
    for (int i = 0; i < 10000; ++i)
        power += "^1";
    expectEnds({"a power chain of ten thousand",
                power + ";",
                false,
                " [error, line 1, position 2006] the expression is nested too deeply",
                2,
                {"x=0"}});
    expectEnds(
        {"ten thousand signs",
         "x = " + std::string(10000, '-') + "1;",
         false,
         " [error, line 1, position 6] error in expression, erroneous use of symbol (of word) '-'",
         12,
         {"x=0"}});
    expectEnds({"user functions calling each other deeper than evaluations nest",
                callChain(xonQMInterpreter::MAX_EVALUATION_DEPTH + 10),
                false,
                " [error, line 1062, position 21] the calculation is nested too deeply",
                12,
                {"a=0"}});
}

TEST(HostileTexts, TenMegabytesOfOneToken)
{
    expectEnds({"one name",
                std::string(TEN_MEGABYTES, 'x'),
                false,
                " [error, line 1, position 1] The symbol '=' after of 'xxxxxxxx",
                1,
                {}});
    expectEnds({"one number",
                "x = " + std::string(TEN_MEGABYTES, '7') + ";",
                false,
                " [system error, line 1, position 5] error at conversion of a string into integer",
                1,
                {"x=0"}});
    expectEnds({"opening brackets",
                "x = " + std::string(TEN_MEGABYTES, '(') + ";",
                false,
                " [error, line 1, position 1005] the expression is nested too deeply",
                2,
                {"x=0"}});
    // Past the error limit the statement is still read to its end, two nodes for every
    // operator, so this one is kept smaller than the rest.
    expectEnds(
        {"operators",
         "x = 1" + std::string(100000, '*') + ";",
         false,
         " [error, line 1, position 7] error in expression, erroneous use of symbol (of word) '*'",
         12,
         {"x=0"}});
    // Many tokens rather than one: a million empty sentences keep the run short.
    expectEnds({"sentence ends", std::string(TEN_MEGABYTES / 10, ';'), true, "", 0, {}});
    expectEnds({"white space", std::string(TEN_MEGABYTES, ' '), true, "text is empty", 1, {}});
}

TEST(HostileTexts, BinaryAndNulBytes)
{
    std::string every;
    for (int i = 1; i < 256; ++i)
        every += static_cast<char>(i);
    expectEnds({"every byte but NUL",
                every + every,
                false,
                " [error, line 1, position 1] the unknown word: \x1\x2\x3",
                1,
                {}});
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 100000; ++i) {
        state = state * 1103515245u + 12345u;
        const char c = static_cast<char>((state >> 16) & 0xFF);
        noise += c == 0 ? ' ' : c;
    }
    expectEnds({"pseudo-random bytes",
                noise,
                false,
                " [error, line 1, position 1] the unknown word: ",
                1,
                {}});
    expectEnds(
        {"a NUL byte ends the text", std::string("a = 1;\0b = 2;", 13), true, "", 0, {"a=1"}});
    expectEnds({"a NUL byte inside a number",
                std::string("a = 12\0"
                            "34;",
                            10),
                false,
                " [error, line 1] probably, the symbol of the end of the sentence is missed",
                1,
                {"a=12"}});
}

TEST(HostileTexts, UnmatchedCommentOpeners)
{
    expectEnds({"a block comment never closed", "a = 1; /* b = 2;", true, "", 0, {"a=1"}});
    expectEnds({"inside an expression",
                "a = 1 + /* 2;",
                false,
                " [error] error in expression",
                2,
                {"a=0"}});
    expectEnds({"only the opener", "/*", true, "", 0, {}});
    expectEnds({"a line comment at the very end", "a = 1; //", true, "", 0, {"a=1"}});
    expectEnds({"a hash at the very end", "a = 1; #", true, "", 0, {"a=1"}});
    expectEnds({"openers only", std::string(100000, '/') + "*", true, "", 0, {}});
}
