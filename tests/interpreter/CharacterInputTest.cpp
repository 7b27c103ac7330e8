#include "Exceptions.h"
#include "StackStreamIn.h"
#include "StreamIn.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace xonQMInterpreter;

namespace {

// A look-ahead over its own copy of a text.
struct TInput
{
    explicit TInput(const std::string& text, int tabSize = DEFAULT_TAB_SIZE)
        : input(std::make_unique<CStackStreamIn>())
    {
        source.setText(text.c_str());
        input->setTabSize(tabSize);
        input->setStream(&source);
        input->reset();
    }
    CStreamInString source;
    std::unique_ptr<CStackStreamIn> input;
};

// "line:column" of every character of the text, read one after another.
std::string places(const std::string& text, int tabSize = DEFAULT_TAB_SIZE)
{
    TInput in(text, tabSize);
    std::string result;
    while (in.input->get() != 0)
        result += std::to_string(in.input->getLine()) + ":" + std::to_string(in.input->getColumn()) + " ";
    return result;
}

} // namespace

TEST(StreamInString, ServesBytesThenZero)
{
    CStreamInString source;
    EXPECT_TRUE(source.setText("a\xE9"));
    EXPECT_EQ(source.getLength(), 2);
    EXPECT_TRUE(source.isBegin());
    EXPECT_EQ(source.getChar(), 'a');
    EXPECT_EQ(source.getChar(), '\xE9');
    EXPECT_TRUE(source.isEnd());
    EXPECT_EQ(source.getChar(), 0);
    EXPECT_EQ(source.getPosition(), 3);
    EXPECT_TRUE(source.moveFirst());
    EXPECT_EQ(source.getChar(), 'a');

    EXPECT_TRUE(source.setText(nullptr));
    EXPECT_EQ(source.getLength(), 0);
    EXPECT_TRUE(source.isEnd());
    EXPECT_EQ(source.getChar(), 0);
}

TEST(StackStreamIn, PlacesEveryCharacter)
{
    struct TCase
    {
        const char* text;
        int tabSize;
        const char* places;
        const char* reason;
    };
    const TCase cases[] = {
        {"ab\tc", 4, "1:1 1:2 1:4 1:5 ", "a TAB moves to the next stop plus one"},
        {"ab\tc", 8, "1:1 1:2 1:8 1:9 ", "wider stops"},
        {"\tx", 4, "1:4 1:5 ", "TAB at the start of a line"},
        {"abcd\tx", 4, "1:1 1:2 1:3 1:4 1:8 1:9 ", "TAB right at a stop goes a whole width"},
        {"a\nb", 4, "1:1 2:0 2:1 ", "after LF the next line begins at column 1"},
        {"a\r\nb", 4, "1:1 1:1 2:0 2:1 ", "CR takes no column, so CR LF places as LF"},
        {"\nx", 4, "2:0 2:1 ", "a leading line end leaves line 1"},
        {"\n\nx", 4, "2:0 3:0 3:1 ", "each line end counts"},
        {"\r\rab", 4, "0:0 0:0 1:1 1:2 ", "CR before any character stays before it"},
        {"a\x07\x08\x0C" "b", 4, "1:1 1:1 1:1 1:1 1:2 ", "BEL, BS and FF take no column"},
        {"ab\x0D\tc", 4, "1:1 1:2 1:2 1:3 1:4 ", "a CR still moves the tab phase"},
        {"a\x0B" "b", 4, "1:1 1:2 1:3 ", "VT takes a column"},
        {"\tx", 0, "1:0 1:1 ", "a zero tab width gives TAB no width"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(places(c.text, c.tabSize), c.places);
    }
}

TEST(StackStreamIn, NegativeTabWidthIsIgnored)
{
    CStackStreamIn input;
    input.setTabSize(-3);
    EXPECT_EQ(input.getTabSize(), DEFAULT_TAB_SIZE);
    input.setTabSize(8);
    EXPECT_EQ(input.getTabSize(), 8);
}

TEST(StackStreamIn, EmptyFlagNeedsAVisibleCharacter)
{
    struct TCase
    {
        const char* text;
        bool empty;
    };
    const TCase cases[] = {
        {"", true}, {" \t\r\n\x0B\x0C\x08\x07", true}, {"   x  ", false}, {"\xC0", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        TInput in(c.text);
        EXPECT_EQ(in.input->isEmpty(), c.empty);
    }
    CStackStreamIn noSource;
    EXPECT_TRUE(noSource.isEmpty());
    EXPECT_TRUE(noSource.isEof());
}

TEST(StackStreamIn, EmptySourceAnswersZero)
{
    TInput in("");
    EXPECT_EQ(in.input->get(), 0);
    EXPECT_EQ(in.input->getSize(), 0);
    EXPECT_TRUE(in.input->isEof());
    EXPECT_EQ(in.input->getLine(), -1);
    EXPECT_EQ(in.input->getColumn(), -1);
}

TEST(StackStreamIn, KeepsOneCharacterAhead)
{
    TInput in("abc");
    EXPECT_EQ(in.input->get(), 'a');
    EXPECT_EQ(in.input->getSize(), 2);
    EXPECT_EQ(in.input->get(), 'b');
    EXPECT_EQ(in.input->getSize(), 3);
    EXPECT_EQ(in.input->get(), 'c');
    EXPECT_EQ(in.input->get(), 0);
    EXPECT_EQ(in.input->getReadPosition(), 3);
    EXPECT_FALSE(in.input->isEof()) << "held characters are not yet consumed";

    // Out of the held range: character 0 at the place read last.
    const CStreamPosition outside = in.input->getStreamPosition(7);
    EXPECT_EQ(outside.m_Char, 0);
    EXPECT_EQ(outside.m_Column, 3);
    EXPECT_EQ(in.input->getStreamPosition(1).m_Char, 'b');

    in.input->unget();
    in.input->unget();
    EXPECT_EQ(in.input->get(), 'b');
    in.input->rewind();
    in.input->unget();
    EXPECT_EQ(in.input->getReadPosition(), 0) << "unget stops at the start";
    EXPECT_TRUE(in.input->matchBegin(3));
    EXPECT_TRUE(in.input->isEof());
}

TEST(StackStreamIn, BookmarkAndMatchConsume)
{
    TInput in("a/*c*/=");
    for (int i = 0; i < 3; ++i)
        in.input->get();
    in.input->rewind();
    in.input->get();
    in.input->saveBookmark();
    EXPECT_EQ(in.input->getBookmark(), 1);
    EXPECT_TRUE(in.input->matchBookmark(CTokenString("/*")));
    EXPECT_EQ(in.input->getReadPosition(), 1);
    EXPECT_EQ(in.input->get(), 'c');
    EXPECT_TRUE(in.input->matchBookmark('c'));
    EXPECT_EQ(in.input->get(), '*');
    EXPECT_EQ(in.input->get(), '/');
    EXPECT_TRUE(in.input->matchBookmark(2));
    EXPECT_EQ(in.input->get(), '=');
    EXPECT_EQ(in.input->getColumn(), 7) << "places survive consumption in the middle";
    in.input->gotoBookmark();
    in.input->clearBookmark();
    EXPECT_EQ(in.input->getBookmark(), 0);
    EXPECT_TRUE(in.input->matchBegin('a'));
    EXPECT_EQ(in.input->get(), '=');
    EXPECT_EQ(in.input->getColumn(), 7);

    EXPECT_TRUE(in.input->match(0, 0)) << "count 0 does nothing";
    EXPECT_TRUE(in.input->matchBegin(CTokenString())) << "an empty token does nothing";
    EXPECT_TRUE(in.input->matchBegin(50)) << "a count is cut to what is held";
    EXPECT_EQ(in.input->getSize(), 0);
    EXPECT_TRUE(in.input->matchBegin(1)) << "nothing held: nothing to do";
}

TEST(StackStreamIn, InconsistentCallsRaise)
{
    struct TCase
    {
        const char* code;
        void (*call)(CStackStreamIn&);
    };
    const TCase cases[] = {
        {"ERROR_MATCH_00001", [](CStackStreamIn& in) { in.match('a', -1); }},
        {"ERROR_MATCH_00002", [](CStackStreamIn& in) { in.match('a', 5); }},
        {"ERROR_MATCH_00004", [](CStackStreamIn& in) { in.match('x', 1); }},
        {"ERROR_MATCH_00005", [](CStackStreamIn& in) { in.match(CTokenString("a"), -1); }},
        {"ERROR_MATCH_00006", [](CStackStreamIn& in) { in.match(CTokenString("a"), 5); }},
        {"ERROR_MATCH_00007", [](CStackStreamIn& in) { in.match(CTokenString("abc"), 1); }},
        {"ERROR_MATCH_00008", [](CStackStreamIn& in) { in.match(CTokenString("ax"), 0); }},
        {"ERROR_MATCH_00009", [](CStackStreamIn& in) { in.match(1, -1); }},
        {"ERROR_MATCH_00010", [](CStackStreamIn& in) { in.match(1, 5); }},
        {"ERROR_MATCH_00011", [](CStackStreamIn& in) { in.match(-1, 0); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.code);
        TInput in("a\nbc");
        in.input->get();
        in.input->get();
        try {
            c.call(*in.input);
            ADD_FAILURE() << "no exception";
        } catch (const CStreamException& e) {
            EXPECT_EQ(e.getCode(), c.code);
        }
    }
}

TEST(StackStreamIn, MismatchNamesThePlaceAndTheToken)
{
    TInput in("ab\n  cd");
    for (int i = 0; i < 6; ++i)
        in.input->get();
    try {
        in.input->match('x', 5);
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_MATCH_00004");
        EXPECT_EQ(e.getLine(), 2);
        EXPECT_EQ(e.getColumn(), 3);
        EXPECT_EQ(e.getText(), "CStackStreamIn::match(...) SYSTEM ERROR : it is a insufficient token");
    }
    try {
        in.input->match(CTokenString("cx"), 5);
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_MATCH_00008");
        EXPECT_EQ(e.getColumn(), 3);
        EXPECT_EQ(e.getToken(), "cx");
    }
}

TEST(StackStreamIn, GetWithoutSourceRaises)
{
    CStackStreamIn input;
    try {
        input.get();
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getCode(), "ERROR_MATCH_00012");
        EXPECT_EQ(e.getText(), "CStackStreamIn::get() SYSTEM ERROR : m_Stream == NULL");
    }
}

TEST(StackStreamIn, HoldsAtMostTheTokenCapacity)
{
    const std::string text(3 * MAX_LENGTH_TOKEN, 'q');
    TInput in(text + "z");
    int read = 0;
    while (in.input->get() != 0)
        ++read;
    EXPECT_EQ(read, MAX_LENGTH_TOKEN) << "reads as if the text ended there";
    EXPECT_EQ(in.input->getSize(), MAX_LENGTH_TOKEN);

    // Consuming makes room; places run on through the whole text.
    for (int i = 0; i < 3; ++i) {
        in.input->matchBegin(MAX_LENGTH_TOKEN);
        in.input->rewind();
        while (in.input->get() != 0) {
        }
    }
    const CStreamPosition last = in.input->getStreamPosition(0);
    EXPECT_EQ(last.m_Char, 'z');
    EXPECT_EQ(last.m_Line, 1);
    EXPECT_EQ(last.m_Column, 3 * MAX_LENGTH_TOKEN + 1);
}

TEST(StackStreamIn, LongRunsAreConsumedPieceByPiece)
{
    // Consuming in small pieces at a place inside the look-ahead, as the lexer does with
    // white space after a token, over far more characters than the look-ahead holds.
    const int length = 200000;
    TInput in("ab" + std::string(length, ' ') + "c");
    in.input->get();
    in.input->get();
    in.input->saveBookmark();
    long consumed = 0;
    for (;;) {
        in.input->gotoBookmark();
        int n = 0;
        while (n < 12 && in.input->get() == ' ')
            ++n;
        if (n < 12) {
            in.input->matchBookmark(n);
            consumed += n;
            break;
        }
        in.input->matchBookmark(n);
        consumed += n;
    }
    EXPECT_EQ(consumed, length);
    in.input->rewind();
    EXPECT_EQ(in.input->get(), 'a');
    EXPECT_EQ(in.input->get(), 'b');
    EXPECT_EQ(in.input->get(), 'c');
    EXPECT_EQ(in.input->getColumn(), length + 3);
}
