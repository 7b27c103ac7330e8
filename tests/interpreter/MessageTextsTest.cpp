#include "MessageTexts.h"

#include <gtest/gtest.h>

#include <string>

using namespace xonQMInterpreter;

TEST(MessageTexts, JoinedTexts)
{
    EXPECT_EQ(msgUnknownWord(""), "the unknown word: ") << "the trailing blank stays";
    EXPECT_EQ(msgErroneousUseOfSymbol(")"), "erroneous use of symbol (of word) ')'");
    EXPECT_EQ(msgSymbolMissedAfter("=", "x"), "The symbol '=' after of 'x' is probably missed");
    EXPECT_EQ(msgParameterOutOfRange("-1", "1"),
              "the parameter of function should be within from -1 up to 1");

    const std::string word(600, 'w');
    const CMessageString cut = msgSymbolMissedAfter("=", CMessageString(word.c_str()));
    EXPECT_EQ(std::string(cut.c_str()),
              ("The symbol '=' after of '" + word).substr(0, MAX_LENGTH_MESSAGE));
}
