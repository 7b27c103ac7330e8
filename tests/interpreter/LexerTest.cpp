#include "AnalysisLexical.h"
#include "Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace xonQMInterpreter;

namespace {

// The lexer with the symbols of the calculation language registered as the parser does.
std::unique_ptr<CAnalysisLexical> makeLexer()
{
    auto lexer = std::make_unique<CAnalysisLexical>();
    const struct
    {
        int id;
        const char* word;
    } symbols[] = {{9, "+"},  {10, "-"}, {11, "*"}, {12, "/"}, {14, "^"},
                   {15, "="}, {22, "("}, {23, ")"}, {24, ";"}, {25, ","}};
    for (const auto& symbol : symbols)
        lexer->addReservedWord(symbol.id, symbol.word, false);
    for (const char* symbol :
         {"~", "%", "`", "!", "@", "$", "&", "|", "\\", "<", ">", "[", "]", "{", "}", "'"})
        lexer->addInadmissibleSymbol(symbol, false);
    return lexer;
}

// Every token the text yields, committed one by one as the parser does, as
// "text/type/group@line:column"; "!" + the raw word where no token is found. finished tells
// whether the whole text was read within the limit of steps.
std::string lex(CAnalysisLexical& lexer, const std::string& text, bool& finished, int limit = 1000)
{
    lexer.reset();
    lexer.setText(text.c_str());
    std::string result;
    finished = false;
    for (int i = 0; i < limit; ++i) {
        if (lexer.isEndOfTokens()) {
            finished = true;
            break;
        }
        TTokenOptions token;
        if (!lexer.parseToken(token)) {
            lexer.readUnknownWord(token);
            if (!token.m_Text.hasNonSpace()) {
                finished = lexer.isEndOfTokens();
                break;
            }
            result += "!" + std::string(token.m_Text.c_str()) + " ";
            continue;
        }
        result += std::string(token.m_Text.c_str()) + "/" + std::to_string(token.m_TypeId) + "/"
                  + std::to_string(token.m_GroupId) + "@" + std::to_string(token.m_StartLine) + ":"
                  + std::to_string(token.m_StartColumn) + " ";
        lexer.matchToken(token);
    }
    return result;
}

std::string lex(CAnalysisLexical& lexer, const std::string& text)
{
    bool finished = false;
    std::string result = lex(lexer, text, finished);
    EXPECT_TRUE(finished);
    return result;
}

} // namespace

TEST(AnalysisLexical, TokensOfTheLanguage)
{
    struct TCase
    {
        const char* text;
        const char* tokens;
        const char* reason;
    };
    const TCase cases[] = {
        {"a = 1;", "a/1/3@1:1 =/15/1@1:3 1/2/2@1:5 ;/24/1@1:6 ", "a definition"},
        {"x=2.5*y;", "x/1/3@1:1 =/15/1@1:2 2.5/3/2@1:3 */11/1@1:6 y/1/3@1:7 ;/24/1@1:8 ",
         "numbers and names touch symbols"},
        {"f(x, 1e-3)^2",
         "f/1/3@1:1 (/22/1@1:2 x/1/3@1:3 ,/25/1@1:4 1e-3/3/2@1:6 )/23/1@1:10 ^/14/1@1:11 2/2/2@1:12 ",
         "a call"},
        {"2x;", "2x/41/4@1:1 ;/24/1@1:3 ", "a name beginning with a digit is one erroneous word"},
        {"a < b", "a/1/3@1:1 </5/5@1:3 b/1/3@1:5 ", "an inadmissible symbol"},
        {"a/*c*/=1;", "a/1/3@1:1 =/15/1@1:7 1/2/2@1:8 ;/24/1@1:9 ", "a comment between tokens"},
        {"a = 1; // note", "a/1/3@1:1 =/15/1@1:3 1/2/2@1:5 ;/24/1@1:6 ",
         "a comment after the last token"},
        {"x = 1;\n// x = 1\n", "x/1/3@1:1 =/15/1@1:3 1/2/2@1:5 ;/24/1@1:6 ",
         "result lines appended as comments"},
        {"# c\n\ty\t=\t3", "y/1/3@2:5 =/15/1@2:9 3/2/2@2:13 ", "tabs move to the stops"},
        {"\nx", "x/1/3@2:1 ", "a leading line end counts as leaving line 1"},
        {"1. 5;", "1.5/3/2@1:1 ;/24/1@1:5 ", "a number read across white space"},
        {"1e\n5 ", "1e5/3/2@1:1 ", "and across a line end"},
        {"1 .5", "1/2/2@1:1 !.5 ", "white space ends a complete number"},
        {"1.5.3", "!1.5.3 ", "no reader takes a second point"},
        {"a<b", "!a<b ", "a name touching an inadmissible symbol is no token"},
        {"a2 b", "a2/1/3@1:1 b/1/3@1:4 ", "names separated by white space"},
        {"x\x07=1", "x/1/3@1:1 !=1 ", "BEL is white space only to the lexer, not to the readers"},
        {"\xC0\xE1 = 1", "\xC0\xE1/1/3@1:1 =/15/1@1:4 1/2/2@1:6 ", "cp1251 names"},
        {"", "", "empty"},
    };
    auto lexer = makeLexer();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(lex(*lexer, c.text), c.tokens);
    }
}

TEST(AnalysisLexical, TextSizeAndEmptiness)
{
    auto lexer = makeLexer();
    lexer->setText("a = 1;");
    EXPECT_EQ(lexer->getTextSize(), 7) << "the text and the blank appended to it";
    EXPECT_FALSE(lexer->isEndOfText());
    lexer->setText(" \n\t\x07 ");
    EXPECT_TRUE(lexer->isEndOfText());
    lexer->reset();
    EXPECT_EQ(lexer->getTextSize(), 0);
    EXPECT_TRUE(lexer->isEndOfText());
    EXPECT_TRUE(lexer->isEndOfTokens());
    EXPECT_TRUE(lexer->isReservedWord(CNameString("^")));
    EXPECT_FALSE(lexer->isReservedWord(CNameString("<")))
        << "inadmissible symbols are not reserved words";
}

TEST(AnalysisLexical, LookAheadAndCommit)
{
    auto lexer = makeLexer();
    lexer->setText("ab+c ;");
    TTokenOptions token;
    ASSERT_TRUE(lexer->parseToken(token));
    EXPECT_EQ(token.m_EndColumn, 2);
    EXPECT_FALSE(token.m_SeparatedAfter);
    ASSERT_TRUE(lexer->getCurrentToken(token)) << "the touching symbol was taken with the name";
    EXPECT_EQ(token.m_Text, "+");
    EXPECT_FALSE(token.m_Flag);
    ASSERT_TRUE(lexer->parseToken(token));
    ASSERT_TRUE(lexer->parseToken(token));
    EXPECT_EQ(token.m_Text, "c");
    EXPECT_FALSE(lexer->getCurrentToken(token)) << "nothing read beyond it";

    lexer->resetCurrentToken();
    ASSERT_TRUE(lexer->parseToken(token));
    EXPECT_EQ(token.m_Text, "ab") << "peeking again starts at the first token not committed";
    EXPECT_FALSE(lexer->getLastToken(token)) << "nothing committed yet";
    TTokenOptions other = token;
    other.m_Flag = false;
    EXPECT_THROW(lexer->matchToken(other), CStreamException) << "the flag is part of the token";
    other = token;
    other.m_Text = "c";
    try {
        lexer->matchToken(other);
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_MATCH_TOKEN_00002");
        EXPECT_EQ(e.getText(), "CTokenStack::matchToken SYSTEM ERROR : not correct token");
    }
    lexer->matchToken(token);
    ASSERT_TRUE(lexer->getLastToken(token));
    EXPECT_EQ(token.m_Text, "ab");
    EXPECT_FALSE(lexer->getStackToken(-1, token));

    lexer->reset();
    try {
        lexer->matchToken(token);
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_MATCH_TOKEN_00001");
    }
}

TEST(AnalysisLexical, LookAheadIsLimited)
{
    auto lexer = makeLexer();
    // Eleven tokens, then a name touching a symbol: the pair must not overrun the stack.
    lexer->setText("a b c d e f g h i j k l+m n");
    TTokenOptions token;
    for (int i = 0; i < MAX_COUNT_TOKENS_IN_STACK; ++i)
        ASSERT_TRUE(lexer->parseToken(token)) << i;
    EXPECT_EQ(token.m_Text, "l");
    try {
        lexer->parseToken(token);
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_PARSE_00002");
    }
    // Committing makes room again; the symbol left in the text is read once more.
    lexer->resetCurrentToken();
    for (int i = 0; i < MAX_COUNT_TOKENS_IN_STACK; ++i) {
        ASSERT_TRUE(lexer->parseToken(token));
        lexer->matchToken(token);
    }
    ASSERT_TRUE(lexer->parseToken(token));
    EXPECT_EQ(token.m_Text, "+");
    EXPECT_EQ(token.m_StartColumn, 24);
}

TEST(AnalysisLexical, UnknownWordsAndNewTexts)
{
    auto lexer = makeLexer();
    const struct
    {
        std::string text;
        const char* word;
        int column;
    } cases[] = {
        {"  ?? x", "??", 3},
        {std::string(40, '?'), "????????????????????????????????...", 1},
        {std::string(MAX_LENGTH_UNKNOWN_WORD, '1') + " ", "11111111111111111111111111111111", 1},
    };
    for (const auto& c : cases) {
        lexer->setText(c.text.c_str());
        TTokenOptions token;
        lexer->readUnknownWord(token);
        EXPECT_EQ(token.m_Text, c.word);
        EXPECT_EQ(token.m_StartColumn, c.column);
    }
    // A new text starts clean, though the old one was not reset.
    lexer->setText("alpha beta");
    TTokenOptions token;
    ASSERT_TRUE(lexer->parseToken(token));
    lexer->setTabSize(8);
    lexer->setText("\tgamma");
    ASSERT_TRUE(lexer->parseToken(token));
    EXPECT_EQ(token.m_Text, "gamma");
    EXPECT_EQ(token.m_StartColumn, 9);
}

// Whatever the text, the lexer ends in tokens or a refusal, never in a fault.
TEST(AnalysisLexical, HostileTexts)
{
    struct TCase
    {
        std::string text;
        const char* reason;
    };
    std::string binary;
    for (int i = 1; i < 256; ++i)
        binary += static_cast<char>(i);
    const std::string longName(3000, 'n');
    const TCase cases[] = {
        {binary + binary, "every byte"},
        {std::string("a = 1;\0b = 2;", 13), "a NUL byte ends the text"},
        {"x = " + std::string(200000, '7') + ";", "one huge number"},
        {"a" + std::string(100000, '*') + "b", "stars"},
        {std::string(100000, '/') + "*", "slashes and an unmatched comment opener"},
        {"1." + std::string(5000, ' ') + "5",
         "a number broken by white space beyond the look-ahead"},
        {std::string(500, '(') + "1" + std::string(500, ')'), "deep brackets"},
        {longName + " = 1;", "a name longer than the look-ahead"},
    };
    auto lexer = makeLexer();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        bool finished = false;
        EXPECT_NO_THROW(lex(*lexer, c.text, finished, 1000000));
        EXPECT_TRUE(finished);
    }
}

TEST(AnalysisLexical, LongTextsKeepTheirPlaces)
{
    // White space and comments far longer than the look-ahead, and tokens after them.
    const std::string blanks(5000, ' ');
    const std::string lines(3000, '\n');
    struct TCase
    {
        std::string text;
        const char* tokens;
        const char* reason;
    };
    const TCase cases[] = {
        {"a" + blanks + "= 1", "a/1/3@1:1 =/15/1@1:5002 1/2/2@1:5004 ", "a long run of blanks"},
        {lines + "# c\nx", "x/1/3@3002:1 ", "a comment after many line ends"},
        {"a" + blanks + "/* c */b", "a/1/3@1:1 b/1/3@1:5009 ",
         "a comment after a long run of blanks"},
        {"/*" + blanks + "*/z", "z/1/3@1:5005 ", "a long comment"},
    };
    auto lexer = makeLexer();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(lex(*lexer, c.text), c.tokens);
    }
}

// Ten megabytes read as the parser reads them: tokens until the first place without one.
TEST(AnalysisLexical, TenMegabyteTexts)
{
    const int size = 10 * 1024 * 1024;
    const struct
    {
        std::string text;
        int tokens;
        const char* reason;
    } cases[] = {
        {std::string(size, 'x'), 1,
         "one name: the look-ahead's worth is a token, the rest is refused"},
        {std::string(size, ' ') + "x", 1, "white space"},
        {"/*" + std::string(size, 'a'), 0, "a comment never closed"},
        {std::string(size / 2, '\n') + "# c\n1;", 2, "line ends before a comment"},
    };
    auto lexer = makeLexer();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        lexer->setText(c.text.c_str());
        TTokenOptions token;
        int tokens = 0;
        while (lexer->parseToken(token)) {
            lexer->matchToken(token);
            ++tokens;
        }
        EXPECT_EQ(tokens, c.tokens);
    }
}
