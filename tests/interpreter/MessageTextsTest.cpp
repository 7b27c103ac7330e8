#include "MessageTexts.h"

#include <gtest/gtest.h>

#include <string>

using namespace xonQMInterpreter;

// The texts messages are composed of are the system's own; a few that callers compose with
// and the ones that misspell on purpose stand here for the catalogue.
TEST(MessageTexts, ExactTexts)
{
    struct TCase
    {
        CMessageString (*text)();
        const char* expected;
    };
    const TCase cases[] = {
        {msgSystemError, "system error"},
        {msgError, "error"},
        {msgWarning, "warning"},
        {msgLine, "line"},
        {msgPosition, "position"},
        {msgTextIsEmpty, "text is empty"},
        {msgEndOfSentenceMissed, "probably, the symbol of the end of the sentence is missed"},
        {msgAfterWord, "after of the word"},
        {msgVariableNotFound, "the varialble is not found"},
        {msgKindVariable, "varialble"},
        {msgUserFunctionArgumentsMissed, "arguments in user's function are missed"},
        {msgFunctionParameterError, "there is the error at reception of functions parameter"},
        {msgPowerError, "error at performance of operation '^'"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.text(), c.expected);
}

TEST(MessageTexts, JoinedTexts)
{
    struct TCase
    {
        CMessageString text;
        const char* expected;
    };
    const TCase cases[] = {
        {msgUnknownWord(""), "the unknown word: "},
        {msgUnknownWord("2x"), "the unknown word: 2x"},
        {msgInadmissibleSymbol("@"), "inadmissible symbol: @"},
        {msgErroneousUseOfSymbol(")"), "erroneous use of symbol (of word) ')'"},
        {msgSymbolMissedAfter("=", "x"), "The symbol '=' after of 'x' is probably missed"},
        {msgParameterOutOfRange("-1", "1"), "the parameter of function should be within from -1 up to 1"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

TEST(MessageTexts, ComposedTextsAreCutAtTheMessageCapacity)
{
    const std::string word(600, 'w');
    const CMessageString text = msgSymbolMissedAfter("=", CMessageString(word.c_str()));
    EXPECT_EQ(text.length(), MAX_LENGTH_MESSAGE);
    EXPECT_EQ(std::string(text.c_str()), ("The symbol '=' after of '" + word).substr(0, MAX_LENGTH_MESSAGE));
}
