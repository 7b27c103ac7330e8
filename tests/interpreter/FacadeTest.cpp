// The facade: runs, what a run leaves readable, timing and independence of the locale.

#include "InterpreterRun.h"
#include "NumericTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <future>
#include <ios>
#include <regex>
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
    EXPECT_EQ(second.messages.front(),
              " [error, line 1, position 5] error in expression, the unknown word: f");
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
    EXPECT_STREQ(
        interpreter.getError(0).c_str(),
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

// Inexact results of the operators and of the standard functions, those in extended precision
// among them, to the bit: a build with another compiler or other flags must compute the same.
TEST(Facade, ResultsAreTheSameToTheLastBit)
{
    struct TRow
    {
        const char* text;
        double value;
    };
    // clang-format off
    const TRow rows[] = {
        {"x = -(0.1 + 0.2) * 3 / 7 - 1;", -0x1.20ea0ea0ea0eap+0},
        {"x = 1.1 ^ 2.2 ^ 1.3;",          0x1.4de4181c4f26dp+0},
        {"x = 123456789.123456789e-5;",   0x1.34a458547a09ep+10},
        {"x = _PI / _E;",                 0x1.27ddbf6271e15p+0},
        {"x = sin(1);",                   0x1.aed548f090ceep-1},
        {"x = cos(1);",                   0x1.14a280fb5068cp-1},
        {"x = tg(-1e10);",                0x1.1de000f443f5p-1},
        {"x = arcsin(0.3);",              0x1.380159e14f6ffp-2},
        {"x = arccos(0.3);",              0x1.441f5ecbeef59p+0},
        {"x = arctg(3);",                 0x1.3fc176b7a856p+0},
        {"x = sh(1.5);",                  0x1.108c3aabd6a6p+1},
        {"x = ch(1.5);",                  0x1.2d1bc21e22022p+1},
        {"x = th(0.5);",                  0x1.d9353d7568af3p-2},
        {"x = exp(0.5);",                 0x1.a61298e1e069cp+0},
        {"x = ln(10);",                   0x1.26bb1bbb55516p+1},
        {"x = log(2);",                   0x1.34413509f79ffp-2},
        {"x = logx(3, 10);",              0x1.0c468ef9537c1p+1}, // in double: ...7c2
        {"x = pow(0.9, -1000);",          0x1.008cac83eb741p+152},
        {"x = toradian(418.727);",        0x1.d3b8f8ecb245bp+2}, // in double: ...45c
        {"x = todegree(38.534);",         0x1.13fabcf897cccp+11}, // in double: ...ccb
        {"x = percent(1.37, 7.1);",       0x1.34bb7e327a977p+4},
        {"x = pratio(1.37, 1);",          0x1.c0ebedfa43fe7p-7}, // with 0.01L: ...fe6
    };
    // clang-format on
    for (const TRow& row : rows) {
        CQMInterpreter interpreter;
        double value = 0.0;
        EXPECT_TRUE(interpreter.perform(row.text)) << row.text;
        EXPECT_TRUE(interpreter.getVariable("x", value)) << row.text;
        EXPECT_EQ(ombrixTest::bitsOf(value), ombrixTest::bitsOf(row.value))
            << row.text << " gave " << std::hexfloat << value;
    }
}

namespace {

// Each level calls the one below twice: 40 levels would run for days unless stopped.
std::string doublingText()
{
    std::string text = "f0(x) = x + 1;\n";
    for (int n = 1; n <= 40; ++n)
        text += "f" + std::to_string(n) + "(x) = f" + std::to_string(n - 1) + "(x) + f"
                + std::to_string(n - 1) + "(x);\n";
    return text + "y = f40(1);\n";
}

// Asks for the stop from this thread once the run on another has begun (it reads the clock
// first); a minute bounds a run that does not stop.
TRun runStoppedFromAnotherThread(CQMInterpreter& interpreter, const std::string& text)
{
    std::promise<void> started;
    interpreter.setClock([&, first = true]() mutable -> uint32_t {
        if (std::exchange(first, false))
            started.set_value();
        return 0;
    });
    auto run = std::async(std::launch::async, [&] { return runText(interpreter, text); });
    started.get_future().wait();
    interpreter.requestStop();
    if (run.wait_for(std::chrono::minutes(1)) != std::future_status::ready) {
        ADD_FAILURE() << "the run did not stop";
        std::_Exit(1);
    }
    return run.get();
}

} // namespace

TEST(Facade, AStoppedRunEndsWithOneErrorAndNoResults)
{
    std::string sentences = "a = 0;\n";
    for (int i = 0; i < 1000000; ++i)
        sentences += "a = a + 1;\n";
    struct TCase
    {
        const char* reason;
        std::string text;
        bool askedBefore; // asked between runs: the next run stops at its start
    };
    const TCase cases[] = {
        {"deep in the calls of user functions", doublingText(), false},
        {"the messages before are dropped too", "a = 1 / 0;\n" + doublingText(), false},
        {"between sentences, with no function called", sentences, false},
        {"asked before the run", "a = 1;", true},
    };
    const std::regex stopLine(R"( \[error, line \d+, position \d+\] the calculation is stopped)");
    for (const TCase& c : cases) {
        CQMInterpreter interpreter;
        if (c.askedBefore)
            interpreter.requestStop();
        const TRun run = c.askedBefore ? runText(interpreter, c.text)
                                       : runStoppedFromAnotherThread(interpreter, c.text);
        EXPECT_FALSE(run.performed) << c.reason;
        ASSERT_EQ(run.messages.size(), 1u) << c.reason;
        EXPECT_TRUE(std::regex_match(run.messages[0], stopLine)) << c.reason << run.messages[0];
        EXPECT_EQ(interpreter.getCountErrors(), 1) << c.reason;
        EXPECT_TRUE(run.variables.empty()) << c.reason;
        // The request was taken by the stopped run.
        interpreter.setClock(nullptr);
        EXPECT_EQ(runText(interpreter, "f(x) = x * 2; a = f(21);").variables, Lines{"a=42"})
            << c.reason;
    }
    CQMInterpreter withdrawn;
    withdrawn.requestStop();
    withdrawn.clearStopRequest();
    EXPECT_TRUE(runText(withdrawn, "a = 1;").performed);
}
