// The facade: runs, what a run leaves readable, timing and independence of the locale.

#include "InterpreterRun.h"

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>

using namespace ombrix_test;
using namespace xonQMInterpreter;

TEST(Facade, EmptyAndNullTexts)
{
    CQMInterpreter interpreter;
    for (const char* text : {"", static_cast<const char*>(nullptr)}) {
        EXPECT_TRUE(interpreter.perform(text));
        EXPECT_EQ(interpreter.getTextSize(), 0);
        EXPECT_EQ(interpreter.getCountVariables(), 0);
        ASSERT_EQ(interpreter.getCountMessages(), 1);
        EXPECT_STREQ(interpreter.getMessage(0).c_str(), "text is empty");
        EXPECT_FALSE(interpreter.hasErrors());
        EXPECT_TRUE(interpreter.hasMessages());
    }
    EXPECT_TRUE(interpreter.perform("a = 1;"));
    EXPECT_EQ(interpreter.getTextSize(), 7);
}

TEST(Facade, RunsStartAfresh)
{
    CQMInterpreter interpreter;
    const TRun first = runText(interpreter, "f(x) = x + 1; a = f(1);");
    EXPECT_EQ(first.variables, Lines{"a=2"});
    const TRun second = runText(interpreter, "b = f(2);");
    EXPECT_FALSE(second.performed);
    EXPECT_EQ(second.variables, Lines{"b=0"});
    EXPECT_EQ(second.messages.front(), " [error, line 1, position 5] error in expression, the unknown word: f");
}

TEST(Facade, OutOfRangeReadsAnswerNothing)
{
    CQMInterpreter interpreter;
    interpreter.perform("x = 1 / 0; y = 2;");
    ASSERT_EQ(interpreter.getCountErrors(), 2);
    EXPECT_STREQ(interpreter.getError(-1).c_str(), "");
    EXPECT_STREQ(interpreter.getError(2).c_str(), "");
    EXPECT_STREQ(interpreter.getWarning(0).c_str(), "");

    CNameString name("untouched");
    double value = 42;
    EXPECT_FALSE(interpreter.getVariable(2, name, value));
    EXPECT_FALSE(interpreter.getVariable(-1, name, value));
    EXPECT_STREQ(name.c_str(), "untouched");
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(interpreter.getVariable(1, name, value));
    EXPECT_STREQ(name.c_str(), "y");
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(interpreter.getVariable("Y", value));
    EXPECT_TRUE(interpreter.getVariable("x", value));
    EXPECT_EQ(value, 0);
}

TEST(Facade, NegativeTabWidthIsIgnored)
{
    CQMInterpreter interpreter;
    interpreter.setTabSize(8);
    interpreter.setTabSize(-1);
    interpreter.perform("\tx = ;");
    EXPECT_STREQ(interpreter.getError(0).c_str(),
                 " [error, line 1, position 13] error in expression, the expression is missed after of the word '='");
}

TEST(Facade, CalcTimeIsTheDifferenceOfTicksAlsoAcrossAWrap)
{
    CQMInterpreter interpreter;
    uint32_t ticks[] = {0xFFFFFFF0u, 0x10u};
    int call = 0;
    interpreter.setClock([&] { return ticks[call++ % 2]; });
    interpreter.perform("a = 1;");
    EXPECT_EQ(interpreter.getCalcTime(), 0x20u);
}

TEST(Facade, CalcTimeIsSetWhenAnExceptionLeavesPerform)
{
    CQMInterpreter interpreter;
    int call = 0;
    // The clock fails when the run is being timed at its end; the facade still records the
    // milliseconds from its next reading.
    interpreter.setClock([&]() -> uint32_t {
        ++call;
        if (call == 2)
            throw std::runtime_error("clock");
        return call == 1 ? 1000u : 1250u;
    });
    EXPECT_THROW(interpreter.perform("a = 1;"), std::runtime_error);
    EXPECT_EQ(interpreter.getCalcTime(), 250u);
}

TEST(Facade, NumbersIgnoreTheProcessLocale)
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no comma-decimal locale here";
    const TRun run = runText("x = 1.5 * 2; y = 1 / 3; z = 2.5e-3;");
    std::setlocale(LC_ALL, "C");
    EXPECT_TRUE(run.performed);
    EXPECT_EQ(run.variables, (Lines{"x=3", "y=0.333333333333333", "z=0.0025"}));
}
