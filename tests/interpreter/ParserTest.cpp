// Whole texts through the interpreter: the messages of the parser, with their kinds and
// positions, and the values the evaluation leaves. One row per case, with its reason.

#include "InterpreterRun.h"
#include "Limits.h"

#include <gtest/gtest.h>

using namespace ombrix_test;

namespace {

struct TTextCase
{
    const char* reason;
    std::string text;
    bool performed;
    Lines messages;
    Lines variables;
};

void expectRun(const TTextCase& c, int tabSize = -1)
{
    const TRun run = runText(c.text, tabSize);
    EXPECT_EQ(run.performed, c.performed) << c.reason;
    EXPECT_EQ(run.messages, c.messages) << c.reason;
    EXPECT_EQ(run.variables, c.variables) << c.reason;
}

constexpr int MAX_DEPTH = xonQMInterpreter::MAX_NESTING_DEPTH;

const char* const DEF_X =
    " [error, line 1, position 1] error in the definition of new value for a variable, name of a varialble x";
const char* const DEF_Y =
    " [error, line 1, position 1] error in the definition of new value for a variable, name of a varialble y";

} // namespace

TEST(Parser, Sentences)
{
    const TTextCase cases[] = {
        {"empty text", "", true, {"text is empty"}, {}},
        {"white space only, BEL included", " \t\r\n\a ", true, {"text is empty"}, {}},
        {"one definition", "a = 1;", true, {}, {"a=1"}},
        {"blanks and a comment after the last sentence", "a = 1;   // note\n", true, {}, {"a=1"}},
        {"empty sentences", ";;", true, {}, {}},
        {"missing end of sentence, reported on the line of the last token",
         "x =\n5",
         false,
         {" [error, line 2] probably, the symbol of the end of the sentence is missed"},
         {"x=5"}},
        {"a second definition without the first's end",
         "x = 5 y = 6;",
         false,
         {" [error, line 1] probably, the symbol of the end of the sentence is missed"},
         {"x=5"}},
        {"variable named like a command",
         "exit = 5;",
         false,
         {" [error, line 1, position 1] the name of a variable coincides with a name of a command, variable exit"},
         {}},
        {"variable named like a constant",
         "_PI = 5;",
         false,
         {" [error, line 1, position 1] the name of a variable coincides with a name of a constant, variable _PI"},
         {}},
        {"assignment missing after a word",
         "x + 1;",
         false,
         {" [error, line 1, position 1] The symbol '=' after of 'x' is probably missed"},
         {}},
        {"assignment missing after an erroneous word",
         "1x + 1;",
         false,
         {" [error, line 1, position 1] incorrect name of the variable: '1x', The symbol '=' after of '1x' is probably missed",
          " [error, line 1, position 1] the unknown word: 1x"},
         {}},
        {"definition of an erroneous name is reported on the word",
         "1x = 5;",
         false,
         {" [error, line 1, position 1] the unknown text: '1x'",
          " [error, line 1, position 1] the unknown word: 1x"},
         {}},
        {"a bare expression is no sentence",
         "5;",
         false,
         {" [error, line 1, position 1] the unknown text: '5'",
          " [error, line 1, position 1] the unknown word: 5"},
         {}},
        {"a sign cannot start a sentence",
         "+x;",
         false,
         {" [error, line 1, position 1] the unknown text: '+'",
          " [error, line 1, position 1] the unknown word: +"},
         {}},
        {"an inadmissible symbol as a sentence",
         "x = 1; $",
         false,
         {" [error, line 1, position 8] the unknown text: '$'",
          " [error, line 1, position 8] the unknown word: $ after of the word: ';'"},
         {"x=1"}},
        {"text no reader accepts",
         "x = 1; ?? y",
         false,
         {" [error, line 1, position 8] the unknown word: ?? after of the word: ';'"},
         {"x=1"}},
        {"an inadmissible symbol after a statement",
         "x = 1 @;",
         false,
         {" [error, line 1, position 7] inadmissible symbol: @"},
         {"x=1"}},
        {"a symbol out of place after a statement",
         "x = 1 );",
         false,
         {" [error, line 1, position 7] erroneous use of symbol (of word) ')'"},
         {"x=1"}},
        {"an erroneous word after a statement",
         "x = 1 2y;",
         false,
         {" [error, line 1, position 7] the unknown word: 2y"},
         {"x=1"}},
        {"a faulty expression does not end the analysis",
         "x = 2 * ; y = 3;",
         false,
         {" [error, line 1, position 9] error in expression, the expression is missed after of the word '*'",
          DEF_X},
         {"x=0", "y=3"}},
    };
    for (const TTextCase& c : cases)
        expectRun(c);
}

TEST(Parser, Expressions)
{
    const TTextCase cases[] = {
        {"unary minus over a variable", "x = 2; y = -x;", true, {}, {"x=2", "y=-2"}},
        {"a sign binds tighter than a power", "y = -2 ^ 2;", true, {}, {"y=4"}},
        {"power is right-associative", "y = 2 ^ 3 ^ 2;", true, {}, {"y=512"}},
        {"subtraction is left-associative", "y = 10 - 4 - 3;", true, {}, {"y=3"}},
        {"precedence", "y = 1 + 2 * 3 ^ 2 / 6;", true, {}, {"y=4"}},
        {"a sign opens a bracket and each argument",
         "y = 2 * (-3) + max(-1, -2);",
         true,
         {},
         {"y=-7"}},
        {"a sign after an operator",
         "y = 2 * -3;",
         false,
         {" [error, line 1, position 9] error in expression, erroneous use of symbol (of word) '-' after of the word '*'",
          DEF_Y},
         {"y=0"}},
        {"a sign after a power",
         "y = 2 ^ -3;",
         false,
         {" [error, line 1, position 9] error in expression, erroneous use of symbol (of word) '-' after of the word '^'",
          DEF_Y},
         {"y=0"}},
        {"a second minus names no other word",
         "y = 2 - -3;",
         false,
         {" [error, line 1, position 9] error in expression, erroneous use of symbol (of word) '-'",
          DEF_Y},
         {"y=0"}},
        {"right bracket missed",
         "y = (1 + 2;",
         false,
         {" [error, line 1, position 11] the right bracket is missed"},
         {"y=3"}},
        {"standard function without its arguments",
         "y = sin();",
         false,
         {" [error, line 1, position 5] arguments in standard function are missed, name of a standard function: 'sin'",
          " [error, line 1, position 5] wrong number of parameters in function, function sin has the following number "
          "of parameters 1, the established number of parameters 0",
          DEF_Y},
         {"y=0"}},
        {"too many arguments are found by the evaluation",
         "y = sin(1, 2);",
         false,
         {" [error, line 1, position 5] wrong number of parameters in function, function sin has the following number "
          "of parameters 1, the established number of parameters 2",
          DEF_Y},
         {"y=0"}},
        {"a function name without brackets",
         "y = sin;",
         false,
         {" [error, line 1, position 5] error in expression, the unknown word: sin", DEF_Y},
         {"y=0"}},
        {"an unknown word is consumed and the rest parsed",
         "y = foo + 1;",
         false,
         {" [error, line 1, position 5] error in expression, the unknown word: foo", DEF_Y},
         {"y=0"}},
        {"an unknown word before a bracket",
         "y = foo(1);",
         false,
         {" [error, line 1, position 5] error in expression, the unknown word: foo",
          " [error, line 1, position 8] erroneous use of symbol (of word) '('", DEF_Y},
         {"y=0"}},
        {"an erroneous word as an operand",
         "y = 1x;",
         false,
         {" [error, line 1, position 5] erroneous expression or incorrect name of the variable: '1x'",
          " [error, line 1, position 5] the varialble is not initialized, name of a varialble 1x",
          DEF_Y},
         {"y=0", "1x=0"}},
        {"the expression missed",
         "y = ;",
         false,
         {" [error, line 1, position 5] error in expression, the expression is missed after of the word '='",
          DEF_Y},
         {"y=0"}},
        {"an inadmissible symbol inside an expression",
         "y = 1 + @ 2;",
         false,
         {" [error, line 1, position 9] error in expression, inadmissible symbol: @", DEF_Y},
         {"y=0"}},
        {"a variable may be named like a function",
         "sin = 2; y = sin + sin(0);",
         true,
         {},
         {"sin=2", "y=2"}},
        {"a function without parameters given an argument",
         "g() = 5; y = g(1);",
         false,
         {" [error, line 1, position 14] probably, the right bracket is missed at a writing of function 'g'",
          " [error, line 1, position 14] probably, the right bracket is missed at a writing of function 'g'"},
         {"y=5"}},
        {"constants", "p = _PI; e = _E;", true, {}, {"p=3.14159265358979", "e=2.718281828459"}},
        {"the variable exists before its own expression",
         "x = x + 1;",
         false,
         {" [error, line 1, position 5] the varialble is not initialized, name of a varialble x",
          DEF_X},
         {"x=0"}},
        {"numbers read across inner white space",
         "x = 1. 5; y = 1e 2;",
         true,
         {},
         {"x=1.5", "y=100"}},
        {"a literal too large for a double",
         "x = 1e999;",
         false,
         {" [system error, line 1, position 5] error at conversion of a string into float number"},
         {"x=0"}},
        {"an integer too large for a double",
         "x = " + std::string(400, '9') + ";",
         false,
         {" [system error, line 1, position 5] error at conversion of a string into integer"},
         {"x=0"}},
        {"a literal too small for a double is zero", "x = 1e-999;", true, {}, {"x=0"}},
        {"division by zero at the operator",
         "x = 1 / 0;",
         false,
         {" [error, line 1, position 7] error at performance of operation '/', division by zero",
          DEF_X},
         {"x=0"}},
    };
    for (const TTextCase& c : cases)
        expectRun(c);
}

TEST(Parser, UserFunctions)
{
    const TTextCase cases[] = {
        {"a function of one parameter", "f(x) = x * 2; y = f(3);", true, {}, {"y=6"}},
        {"parameters bind in the written order",
         "g(a, b) = a - b; y = g(5, 2);",
         true,
         {},
         {"y=3"}},
        {"functions without parameters, called from a body",
         "g() = 5; y = g(); h(x) = g() * x; z = h(2);",
         true,
         {},
         {"y=5", "z=10"}},
        {"nested calls", "f(x) = x + 1; y = f(f(2));", true, {}, {"y=4"}},
        {"a standard function's name",
         "sin(x) = x;",
         false,
         {" [error, line 1, position 1] with such name already there is a standard function 'sin'"},
         {}},
        {"a user function defined twice",
         "f(x) = x; f(y) = y;",
         false,
         {" [error, line 1, position 11] with such name already there is a user function 'f'"},
         {}},
        {"a constant as a parameter",
         "f(x, _PI) = x;",
         false,
         {" [error, line 1, position 6] the name of a parameter of the user function coincides with the name of constant '_PI'",
          " [error, line 1, position 1] probably, the right bracket is missed at a writing of function 'f'",
          " [error, line 1, position 1] probably, the assign symbol is missed at the writing of function 'f'",
          " [error, line 1, position 9] erroneous use of symbol (of word) ')'"},
         {}},
        {"a command as a parameter",
         "f(exit) = 1;",
         false,
         {" [error, line 1, position 3] the name of a parameter of the user function coincides with the name of command 'exit'",
          " [error, line 1, position 1] probably, the right bracket is missed at a writing of function 'f'",
          " [error, line 1, position 1] probably, the assign symbol is missed at the writing of function 'f'",
          " [error, line 1, position 3] error in expression, the unknown word: exit",
          " [error, line 1, position 7] erroneous use of symbol (of word) ')'"},
         {}},
        {"variables cannot be used in a body",
         "y = 1; f(x) = y;",
         false,
         {" [error, line 1, position 15] error in expression, the unknown word: y"},
         {"y=1"}},
        {"a body cannot call its own function",
         "f(x) = f(x - 1);",
         false,
         {" [error, line 1, position 8] error in expression, the unknown word: f",
          " [error, line 1, position 9] erroneous use of symbol (of word) '('"},
         {}},
        {"assignment missed, the body still parsed",
         "f(x) x * 2; y = f(4);",
         false,
         {" [error, line 1, position 1] probably, the assign symbol is missed at the writing of function 'f'"},
         {"y=8"}},
        {"an erroneous function name",
         "1f(x) = x;",
         false,
         {" [error, line 1, position 1] wrong name of function, function '1f'"},
         {}},
        {"missing bracket inside a body",
         "f(x) = (x + 1;",
         false,
         {" [error, line 1, position 14] probably, the right bracket is missed at a writing of function"},
         {}},
        {"an erroneous word in a body",
         "f(x) = 2x;",
         false,
         {" [error, line 1, position 8] error in expression, the unknown word: 2x"},
         {}},
        {"wrong argument count",
         "f(x) = x; y = f(1, 2);",
         false,
         {" [error, line 1, position 15] wrong number of parameters in function, user's function f has the following "
          "number of parameters 1, the established number of parameters 2",
          " [error, line 1, position 11] error in the definition of new value for a variable, name of a varialble y"},
         {"y=0"}},
        {"a failure inside a body is reported at the body and at the call",
         "h(x) = 1 / x; y = h(0);",
         false,
         {" [error, line 1, position 10] error at performance of operation '/', division by zero",
          " [error, line 1, position 19] error at execution of the user function, name of a user function h",
          " [error, line 1, position 15] error in the definition of new value for a variable, name of a varialble y"},
         {"y=0"}},
    };
    for (const TTextCase& c : cases)
        expectRun(c);
}

TEST(Parser, ExitAndTheErrorLimit)
{
    const TTextCase cases[] = {
        {"exit takes effect when the next statement arrives",
         "a = 1; exit; b = 2; c = 3;",
         true,
         {" [line 1, position 8] the performance of a command 'exit'"},
         {"a=1", "b=0"}},
        {"exit alone is evaluated at the end",
         "exit;",
         true,
         {" [line 1, position 1] the performance of a command 'exit'"},
         {}},
        {"exit followed by definitions of functions only",
         "exit; f(x) = x;",
         true,
         {" [line 1, position 1] the performance of a command 'exit'"},
         {}},
        {"commands compare case-sensitively",
         "Exit;",
         false,
         {" [error, line 1, position 1] The symbol '=' after of 'Exit' is probably missed"},
         {}},
    };
    for (const TTextCase& c : cases)
        expectRun(c);

    // Each sentence reports one error; the twelfth fills the list and ends the analysis.
    std::string text;
    Lines messages;
    Lines variables;
    for (int i = 1; i <= 14; ++i) {
        text += "y" + std::to_string(i) + " = (1;\n";
        if (i <= 12) {
            messages.push_back(" [error, line " + std::to_string(i) + ", position "
                               + std::to_string(i < 10 ? 8 : 9) + "] the right bracket is missed");
            variables.push_back("y" + std::to_string(i) + "=1");
        }
    }
    expectRun({"the error limit", text, false, messages, variables});
}

TEST(Parser, PositionsFollowTabsAndLineEnds)
{
    const std::string text = "a = 1;\r\n\tx = ;";
    const TTextCase width4{
        "tab width 4",
        text,
        false,
        {" [error, line 2, position 9] error in expression, the expression is missed after of the word '='",
         " [error, line 2, position 5] error in the definition of new value for a variable, name of a varialble x"},
        {"a=1", "x=0"}};
    const TTextCase width8{
        "tab width 8",
        text,
        false,
        {" [error, line 2, position 13] error in expression, the expression is missed after of the word '='",
         " [error, line 2, position 9] error in the definition of new value for a variable, name of a varialble x"},
        {"a=1", "x=0"}};
    expectRun(width4, 4);
    expectRun(width8, 8);
    expectRun(
        {"a leading line end counts",
         "\nx = ;",
         false,
         {" [error, line 2, position 5] error in expression, the expression is missed after of the word '='",
          " [error, line 2, position 1] error in the definition of new value for a variable, name of a varialble x"},
         {"x=0"}});
    expectRun(
        {"a block comment spanning lines",
         "/* one\ntwo */ x = ;",
         false,
         {" [error, line 2, position 12] error in expression, the expression is missed after of the word '='",
          " [error, line 2, position 8] error in the definition of new value for a variable, name of a varialble x"},
         {"x=0"}});
}

TEST(Parser, NestingIsBounded)
{
    auto nested = [](int depth, const std::string& open, const std::string& close) {
        std::string text = "x = ";
        for (int i = 0; i < depth; ++i)
            text += open;
        text += "1";
        for (int i = 0; i < depth; ++i)
            text += close;
        return text + ";";
    };
    expectRun({"1000 brackets", nested(MAX_DEPTH, "(", ")"), true, {}, {"x=1"}});
    expectRun({"1000 calls", nested(MAX_DEPTH, "abs(", ")"), true, {}, {"x=1"}});
    expectRun({"1000 signed brackets", nested(MAX_DEPTH, "-(", ")"), true, {}, {"x=1"}});
    expectRun({"1001 brackets",
               nested(MAX_DEPTH + 1, "(", ")"),
               false,
               {" [error, line 1, position 1005] the expression is nested too deeply", DEF_X},
               {"x=0"}});
    expectRun({"1001 calls",
               nested(MAX_DEPTH + 1, "abs(", ")"),
               false,
               {" [error, line 1, position 4005] the expression is nested too deeply", DEF_X},
               {"x=0"}});

    std::string power = "x = 1";
    for (int i = 0; i < MAX_DEPTH; ++i)
        power += "^1";
    expectRun({"1000 powers", power + ";", true, {}, {"x=1"}});
    expectRun({"1001 powers",
               power + "^1;",
               false,
               {" [error, line 1, position 2006] the expression is nested too deeply", DEF_X},
               {"x=0"}});
}

TEST(Parser, LongChainsAreNotNesting)
{
    std::string text = "x = 1";
    text.reserve(4000010);
    for (int i = 1; i < 1000000; ++i)
        text += "+1";
    expectRun({"a million terms", text + ";", true, {}, {"x=1000000"}});

    std::string product = "y = 1";
    for (int i = 1; i < 500000; ++i)
        product += "*1";
    expectRun({"half a million factors", product + ";", true, {}, {"y=1"}});
}
