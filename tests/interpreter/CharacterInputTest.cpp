#include "Exceptions.h"
#include "StackStreamIn.h"
#include "TextInputSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace xonQMInterpreter;
using namespace ombrixTest;

namespace {

// "line:column" of every character of the text, read one after another.
std::string places(const std::string& text, int tabSize)
{
    TTextInput in(text, tabSize);
    std::string result;
    while (in.input->get() != 0)
        result += std::to_string(in.input->getLine()) + ":" + std::to_string(in.input->getColumn())
                  + " ";
    return result;
}

} // namespace

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
        {"abcd\tx", 4, "1:1 1:2 1:3 1:4 1:8 1:9 ", "TAB right at a stop goes a whole width"},
        {"a\nb", 4, "1:1 2:0 2:1 ", "after LF the next line begins at column 1"},
        {"a\r\nb", 4, "1:1 1:1 2:0 2:1 ", "CR takes no column, so CR LF places as LF"},
        {"\nx", 4, "2:0 2:1 ", "a leading line end leaves line 1"},
        {"\r\rab", 4, "0:0 0:0 1:1 1:2 ", "CR before any character stays before it"},
        {"a\x07\x08\x0C"
         "b",
         4, "1:1 1:1 1:1 1:1 1:2 ", "BEL, BS and FF take no column"},
        {"ab\r\tc", 4, "1:1 1:2 1:2 1:3 1:4 ", "a CR still moves the tab phase"},
        {"a\x0B"
         "b",
         4, "1:1 1:2 1:3 ", "VT takes a column"},
        {"\tx", 0, "1:0 1:1 ", "a zero tab width gives TAB no width"},
        {"\tx", -3, "1:4 1:5 ", "a negative tab width is ignored"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(places(c.text, c.tabSize), c.places);
    }
}

TEST(StackStreamIn, EmptyFlagNeedsAVisibleCharacter)
{
    for (const char* text : {"", " \t\r\n\x0B\x0C\x08\x07"}) {
        TTextInput in(text);
        EXPECT_TRUE(in.input->isEmpty());
    }
    for (const char* text : {"   x  ", "\xC0"}) {
        TTextInput in(text);
        EXPECT_FALSE(in.input->isEmpty());
    }
    TTextInput empty("");
    EXPECT_EQ(empty.input->get(), 0);
    EXPECT_EQ(empty.input->getSize(), 0);
    EXPECT_TRUE(empty.input->isEof());
}

TEST(StackStreamIn, ReadsAheadAndStepsBack)
{
    TTextInput in("abc");
    EXPECT_EQ(in.input->get(), 'a');
    EXPECT_EQ(in.input->getSize(), 2) << "one character of look-ahead";
    in.input->get();
    in.input->get();
    EXPECT_EQ(in.input->get(), 0);
    EXPECT_FALSE(in.input->isEof()) << "held characters are not yet consumed";
    const CStreamPosition outside = in.input->getStreamPosition(7);
    EXPECT_EQ(outside.m_Char, 0);
    EXPECT_EQ(outside.m_Column, 3) << "outside: the place read last";
    in.input->rewind();
    in.input->unget();
    EXPECT_EQ(in.input->getReadPosition(), 0) << "unget stops at the start";
    EXPECT_TRUE(in.input->matchBegin(50)) << "a count is cut to what is held";
    EXPECT_TRUE(in.input->isEof());
    EXPECT_TRUE(in.input->matchBegin(1)) << "nothing held: nothing to do";
}

TEST(StackStreamIn, ConsumingInTheMiddleKeepsPlaces)
{
    TTextInput in("a/*c*/=");
    for (int i = 0; i < 3; ++i)
        in.input->get();
    in.input->rewind();
    in.input->get();
    in.input->saveBookmark();
    EXPECT_TRUE(in.input->matchBookmark(CTokenString("/*")));
    EXPECT_EQ(in.input->get(), 'c');
    EXPECT_TRUE(in.input->matchBookmark('c'));
    in.input->get();
    in.input->get();
    EXPECT_TRUE(in.input->matchBookmark(2));
    EXPECT_TRUE(in.input->matchBegin('a'));
    EXPECT_EQ(in.input->get(), '=');
    EXPECT_EQ(in.input->getColumn(), 7);
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
        TTextInput in("a\nbc");
        in.input->get();
        in.input->get();
        try {
            c.call(*in.input);
            ADD_FAILURE() << "no exception";
        } catch (const CStreamException& e) {
            EXPECT_EQ(e.getCode(), c.code);
        }
    }
    CStackStreamIn noSource;
    EXPECT_THROW(noSource.get(), CStreamException);
}

TEST(StackStreamIn, MismatchNamesThePlaceAndTheToken)
{
    TTextInput in("ab\n  cd");
    for (int i = 0; i < 6; ++i)
        in.input->get();
    try {
        in.input->match(CTokenString("cx"), 5);
        FAIL() << "no exception";
    } catch (const CStreamException& e) {
        EXPECT_EQ(e.getText(),
                  "CStackStreamIn::match(...) SYSTEM ERROR : it is a insufficient token");
        EXPECT_EQ(e.getLine(), 2);
        EXPECT_EQ(e.getColumn(), 3);
        EXPECT_EQ(e.getToken(), "cx");
    }
}

TEST(StackStreamIn, HoldsAtMostTheTokenCapacity)
{
    TTextInput in(std::string(3 * MAX_LENGTH_TOKEN, 'q') + "z");
    int read = 0;
    while (in.input->get() != 0)
        ++read;
    EXPECT_EQ(read, MAX_LENGTH_TOKEN) << "reads as if the text ended there";
    // Emptied by consumption, the look-ahead fills again and places run on.
    for (int i = 0; i < 3; ++i) {
        in.input->matchBegin(MAX_LENGTH_TOKEN);
        in.input->rewind();
        while (in.input->get() != 0) {
        }
    }
    const CStreamPosition last = in.input->getStreamPosition(0);
    EXPECT_EQ(last.m_Char, 'z');
    EXPECT_EQ(last.m_Column, 3 * MAX_LENGTH_TOKEN + 1);
}
