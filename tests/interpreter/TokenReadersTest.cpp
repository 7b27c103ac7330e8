#include "Exceptions.h"
#include "ReaderComments.h"
#include "ReaderFloat.h"
#include "ReaderInteger.h"
#include "ReaderWordErroneous.h"
#include "ReaderWordReserved.h"
#include "ReaderWordUser.h"
#include "StackStreamIn.h"
#include "TextInputSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

// One row: a text, what the reader answers there from the start of the look-ahead, and for
// a token its text.
struct TReadCase
{
    const char* text;
    TReadAnswer answer;
    const char* token;
    const char* reason;
};

template <class TReader>
void checkReads(const TReadCase* cases, int count)
{
    for (int i = 0; i < count; ++i) {
        const TReadCase& c = cases[i];
        SCOPED_TRACE(std::string(c.reason) + " [" + c.text + "]");
        TTextInput in(c.text);
        TReader reader;
        reader.setStream(in.input.get());
        const TReadAnswer answer = reader.parse(READ_MODE_BEGIN, true);
        EXPECT_EQ(answer, c.answer);
        if (answer != READ_NO_TOKEN) {
            EXPECT_EQ(reader.getTokenOptions().m_Text, c.token);
        }
    }
}

} // namespace

TEST(ReaderFloat, ReadsRealNumbers)
{
    const TReadCase cases[] = {
        {"1.5 ", READ_TOKEN_COMPLETE, "1.5", "ends at white space"},
        {"1.5;", READ_TOKEN_FOLLOWED, "1.5", "ends before another character"},
        {"1. 5 ", READ_TOKEN_COMPLETE, "1.5", "white space inside an unfinished number is skipped"},
        {"1.\n5 ", READ_TOKEN_COMPLETE, "1.5", "a line end too"},
        {"1e 5 ", READ_TOKEN_COMPLETE, "1e5", "after the exponent letter"},
        {"1e- 5 ", READ_TOKEN_COMPLETE, "1e-5", "after the exponent sign"},
        {"1 .5", READ_TOKEN_COMPLETE, "1", "white space ends a complete number"},
        {"1e+5 ", READ_TOKEN_COMPLETE, "1e+5", "signed exponent"},
        {"1E5 ", READ_TOKEN_COMPLETE, "1E5", "capital exponent letter"},
        {"1.5e-3 ", READ_TOKEN_COMPLETE, "1.5e-3", "fraction and exponent"},
        {"2-3", READ_TOKEN_FOLLOWED, "2", "a sign outside the exponent ends the number"},
        {"1.E5 ", READ_NO_TOKEN, "", "no exponent right after the point"},
        {"1e5e ", READ_NO_TOKEN, "", "a second exponent"},
        {"1.5.3 ", READ_NO_TOKEN, "", "a second point"},
        {"12.;", READ_NO_TOKEN, "", "a point needs a digit after it"},
        {".5 ", READ_NO_TOKEN, "", "a number starts with a digit"},
        {"1e;", READ_NO_TOKEN, "", "an exponent needs digits"},
        {"1.", READ_NO_TOKEN, "", "unfinished at the end of the text"},
    };
    checkReads<CReaderFloat>(cases, std::size(cases));
}

TEST(ReaderWords, ReadsIntegersAndNames)
{
    const TReadCase integers[] = {
        {" 42 ", READ_TOKEN_COMPLETE, "42", "white space around"},
        {"1.5", READ_TOKEN_FOLLOWED, "1", "the point is left for another reader"},
        {"x1", READ_NO_TOKEN, "", "a name"},
    };
    checkReads<CReaderInteger>(integers, std::size(integers));
    const TReadCase names[] = {
        {"x1_a ", READ_TOKEN_COMPLETE, "x1_a", "letters, digits and underscores"},
        {"_a1(", READ_TOKEN_FOLLOWED, "_a1", "an underscore may begin a name"},
        {"\xC0\xFF\xE9 ", READ_TOKEN_COMPLETE, "\xC0\xFF\xE9", "cp1251 letters"},
        {"\xA8"
         "a",
         READ_NO_TOKEN, "", "0xA8 is no letter"},
        {"a\xB8", READ_TOKEN_FOLLOWED, "a", "nor is 0xB8"},
        {"a\x07", READ_TOKEN_FOLLOWED, "a", "BEL is no white space for the readers"},
    };
    checkReads<CReaderWordUser>(names, std::size(names));
    const TReadCase erroneous[] = {
        {"1a ", READ_TOKEN_COMPLETE, "1a", "what the name reader refuses"},
        {"2x_3;", READ_TOKEN_FOLLOWED, "2x_3", "followed directly"},
        {"_2 ", READ_NO_TOKEN, "", "an underscore begins a proper name"},
    };
    checkReads<CReaderWordErroneous>(erroneous, std::size(erroneous));
}

TEST(ReaderTokenBase, RefusesATouchingTokenUnlessAllowed)
{
    TTextInput in("+x ");
    CReaderWordUser reader;
    reader.setStream(in.input.get());
    in.input->get();
    in.input->saveBookmark();
    EXPECT_EQ(reader.parse(READ_MODE_BOOKMARK, false), READ_NO_TOKEN);
    EXPECT_EQ(reader.parse(READ_MODE_BOOKMARK, true), READ_TOKEN_COMPLETE);

    TTextInput spaced("+ x ");
    reader.setStream(spaced.input.get());
    spaced.input->get();
    spaced.input->saveBookmark();
    EXPECT_EQ(reader.parse(READ_MODE_BOOKMARK, false), READ_TOKEN_COMPLETE)
        << "white space separates";
    EXPECT_EQ(reader.getSpaceText(), " ");
}

TEST(ReaderTokenBase, RecordsPlacesAndFlags)
{
    TTextInput in("\n  ab\t;");
    CReaderWordUser reader;
    reader.setStream(in.input.get());
    reader.setGroup(TOKEN_GROUP_USER_WORD);
    reader.setTokenType(TOKEN_TYPE_USER_WORD);
    ASSERT_EQ(reader.parse(READ_MODE_BEGIN, false), READ_TOKEN_COMPLETE);
    const TTokenOptions& token = reader.getTokenOptions();
    EXPECT_EQ(token.m_TypeId, TOKEN_TYPE_USER_WORD);
    EXPECT_EQ(token.m_GroupId, TOKEN_GROUP_USER_WORD);
    EXPECT_TRUE(token.m_Flag);
    EXPECT_EQ(token.m_StartLine, 2);
    EXPECT_EQ(token.m_StartColumn, 3);
    EXPECT_EQ(token.m_EndLine, 2);
    EXPECT_EQ(token.m_EndColumn, 4);
    EXPECT_TRUE(token.m_SeparatedBefore);
    EXPECT_TRUE(token.m_SeparatedAfter);
    EXPECT_FALSE(reader.isEndOfStream());
    EXPECT_EQ(in.input->getReadPosition(), 5) << "the reader stepped back over the TAB";

    TTextInput atEnd("ab");
    reader.setStream(atEnd.input.get());
    EXPECT_EQ(reader.parse(READ_MODE_BEGIN, true), READ_TOKEN_COMPLETE);
    EXPECT_TRUE(reader.isEndOfStream());
    EXPECT_EQ(reader.getTokenOptions().m_EndColumn, 2);
}

TEST(ReaderWordReserved, FirstListedWordWins)
{
    CReaderWordReserved reader;
    reader.setGroup(TOKEN_GROUP_RESERVED);
    EXPECT_TRUE(reader.addWord(9, "+", false));
    EXPECT_TRUE(reader.addWord(30, "<", false));
    EXPECT_TRUE(reader.addWord(31, "<=", false));
    EXPECT_TRUE(reader.addWord(32, "=", true));
    EXPECT_FALSE(reader.addWord(33, "", false)) << "empty";
    EXPECT_FALSE(reader.addWord(34, " \t", false)) << "blank";

    struct TCase
    {
        const char* text;
        TReadAnswer answer;
        int id;
        const char* word;
        const char* reason;
    };
    const TCase cases[] = {
        {"+5", READ_TOKEN_COMPLETE, 9, "+", "a symbol lets the next token follow directly"},
        {"  +", READ_TOKEN_COMPLETE, 9, "+", "after white space"},
        {"<=", READ_TOKEN_COMPLETE, 30, "<", "a shorter word listed first wins"},
        {"=x", READ_TOKEN_FOLLOWED, 32, "=", "a word with its flag set answers as followed"},
        {"*", READ_NO_TOKEN, 0, "", "not listed"},
        {"   ", READ_NO_TOKEN, 0, "", "the end of the text while skipping white space"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        TTextInput in(c.text);
        reader.setStream(in.input.get());
        EXPECT_EQ(reader.parse(READ_MODE_BEGIN, false), c.answer);
        if (c.answer != READ_NO_TOKEN) {
            const TTokenOptions& token = reader.getTokenOptions();
            EXPECT_EQ(token.m_TypeId, c.id);
            EXPECT_EQ(token.m_GroupId, TOKEN_GROUP_RESERVED);
            EXPECT_EQ(token.m_Text, c.word);
            EXPECT_EQ(token.m_Flag, c.answer == READ_TOKEN_FOLLOWED);
        }
    }

    EXPECT_TRUE(reader.isEndOfStream()) << "the last row met the end of the text";
    EXPECT_TRUE(reader.isReserved(CNameString("<=")));
    EXPECT_FALSE(reader.isReserved(CNameString("-")));
    EXPECT_FALSE(reader.isReserved(CNameString(""))) << "an empty name is never reserved";
}

TEST(ReaderWordReserved, MultiCharacterWordsCompareFromTheSamePlace)
{
    CReaderWordReserved reader;
    reader.addWord(1, "ab", false);
    reader.addWord(2, "ac", false);
    TTextInput in(" ac ");
    reader.setStream(in.input.get());
    ASSERT_EQ(reader.parse(READ_MODE_BEGIN, false), READ_TOKEN_COMPLETE);
    EXPECT_EQ(reader.getTokenOptions().m_TypeId, 2);
    EXPECT_EQ(reader.getTokenOptions().m_StartColumn, 2);
    EXPECT_EQ(reader.getTokenOptions().m_EndColumn, 3);
    EXPECT_TRUE(reader.getTokenOptions().m_SeparatedBefore);
    EXPECT_EQ(in.input->getReadPosition(), 3);

    TTextInput cut("a");
    reader.setStream(cut.input.get());
    EXPECT_EQ(reader.parse(READ_MODE_BEGIN, false), READ_NO_TOKEN);
    EXPECT_TRUE(reader.isEndOfStream()) << "the text ended inside a word";
}

TEST(ReaderComments, SkipsCommentsAndTheirLineEnds)
{
    struct TCase
    {
        const char* text;
        bool skipped;
        const char* rest;
        const char* reason;
    };
    const TCase cases[] = {
        {"# note\nx", true, "x", "hash comment with its line end"},
        {"// note\nx", true, "x", "slash comment with its line end"},
        {"  /* a * b */x", true, "x", "block with white space before it"},
        {"/* a **/x", true, "x", "a star before the closing pair"},
        {"/* a */ /* b */ # c\nx", true, "x", "several comments in a row"},
        {"/* /* */x", true, "x", "blocks do not nest"},
        {"/* never closed", true, "", "to the end of the text"},
        {"// last", true, "", "a line comment at the end of the text"},
        {"/ x", false, "/ x", "a slash alone is no comment"},
        {"  x", false, "  x", "nothing is consumed when there is no comment"},
        {"", false, "", "empty"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        TTextInput in(c.text);
        CReaderComments reader;
        reader.setStream(in.input.get());
        EXPECT_EQ(reader.parse(), c.skipped);
        in.input->rewind();
        std::string rest;
        for (char ch = in.input->get(); ch != 0; ch = in.input->get())
            rest += ch;
        EXPECT_EQ(rest, c.rest);
    }
}

TEST(ReaderComments, WithoutInputRaises)
{
    CReaderComments reader;
    try {
        reader.parse();
        FAIL() << "no exception";
    } catch (const CBaseException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_PARSE_COMMENT_00001");
        EXPECT_EQ(e.getText(), "CReaderComments::parse() SYSTEM ERROR : m_Stream == NULL");
    }
}
