#include "BuffString.h"
#include "LimitString.h"

#include <gtest/gtest.h>

#include <string>

using namespace xonQMInterpreter;

TEST(LimitString, CutsAtCapacity)
{
    const std::string hundred(100, 'n');
    CNameString name(hundred.c_str());
    EXPECT_EQ(name.length(), MAX_LENGTH_NAME);
    EXPECT_EQ(name.c_str(), hundred.substr(0, MAX_LENGTH_NAME));

    CTokenString token(std::string(2000, 't').c_str());
    EXPECT_EQ(token.length(), MAX_LENGTH_TOKEN);
    name.assign(token);
    EXPECT_EQ(name.length(), MAX_LENGTH_NAME) << "a token assigned to a name is cut there";

    CMessageString full(std::string(MAX_LENGTH_MESSAGE, 'm').c_str());
    EXPECT_TRUE(full.append("more"));
    EXPECT_TRUE(full.append(CNameString("more")));
    full.append('x');
    EXPECT_EQ(full.length(), MAX_LENGTH_MESSAGE) << "appending to a full string changes nothing";

    CNameString text("ab");
    EXPECT_FALSE(text.append(static_cast<const char*>(nullptr)));
    EXPECT_TRUE(text.append(""));
    text.append('\0');
    EXPECT_EQ(text, "ab");
    text.assign(static_cast<const char*>(nullptr));
    EXPECT_TRUE(text.isEmpty());
}

TEST(LimitString, ComparesByteForByte)
{
    struct TCase
    {
        const char* left;
        const char* right;
        bool equal;
    };
    const TCase cases[] = {
        {"Alpha", "Alpha", true}, {"Alpha", "alpha", false}, {"x", "x ", false},
        {"", "", true},           {"\xC0", "\xE0", false},   {"ab", "abc", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.left) + "|" + c.right);
        EXPECT_EQ(CNameString(c.left) == CNameString(c.right), c.equal);
        EXPECT_EQ(CNameString(c.left) != CTokenString(c.right), !c.equal);
    }
}

TEST(LimitString, RemoveAndTrim)
{
    struct TCase
    {
        const char* text;
        int start;
        int count;
        const char* result;
    };
    const TCase cases[] = {
        {"abcdef", 1, 2, "adef"}, {"abcdef", 4, 10, "abcd"}, {"abcdef", 6, 1, "abcdef"},
        {"abcdef", -1, 1, "abcdef"}, {"", 0, 1, ""},         {"abcdef", 0, 0, "abcdef"},
    };
    for (const TCase& c : cases) {
        CNameString text(c.text);
        text.remove(c.start, c.count);
        EXPECT_EQ(text, c.result) << c.text << " " << c.start << " " << c.count;
    }
    CNameString padded(" \t\r\n\x0B\x0C\x08x y\x08\x0C\x0B\n\r\t ");
    padded.trimLeft();
    EXPECT_EQ(padded, "x y\x08\x0C\x0B\n\r\t ");
    padded.trimRight();
    EXPECT_EQ(padded, "x y");
    CNameString bell("\x07x");
    bell.trimLeft();
    EXPECT_EQ(bell, "\x07x") << "BEL is not trimmed";
}

TEST(LimitString, JoinsIntoMessages)
{
    const CTokenString longToken(std::string(600, 'k').c_str());
    const CMessageString joined = "The symbol '" + CMessageString("=") + "' after of '" + longToken;
    EXPECT_EQ(joined.length(), MAX_LENGTH_MESSAGE);
    const CNameString name("v");
    EXPECT_EQ(", " + name, ", v");
    EXPECT_EQ(CMessageString("a") + "b" + name, "abv");
}

TEST(BuffString, FindAndSubString)
{
    const CBuffString text("xaxaxa");
    struct TFind
    {
        const char* what;
        int start;
        int found;
    };
    const TFind finds[] = {
        {"a", 2, 3}, {"a", 6, -1}, {"a", -1, -1}, {"", 0, -1}, {"", 3, -1}, {"xa", 1, 2}, {"axax", 3, -1},
    };
    for (const TFind& f : finds)
        EXPECT_EQ(text.find(f.what, f.start), f.found) << f.what << " from " << f.start;

    struct TSub
    {
        int start;
        int count;
        const char* result;
    };
    const TSub subs[] = {
        {4, 10, "xa"}, {4, 0, "xaxaxa"}, {-1, 2, "xaxaxa"}, {6, 1, "xaxaxa"}, {1, 3, "axa"},
    };
    for (const TSub& s : subs)
        EXPECT_STREQ(text.subString(s.start, s.count).c_str(), s.result) << s.start << " " << s.count;
    EXPECT_STREQ(CBuffString().subString(0, 1).c_str(), "");
}

TEST(BuffString, GrowsByDoubling)
{
    CBuffString text;
    EXPECT_EQ(text.getCapacity(), 0);
    EXPECT_TRUE(text.add("a"));
    EXPECT_EQ(text.getCapacity(), 1);
    EXPECT_TRUE(text.append('b'));
    EXPECT_EQ(text.getCapacity(), 2);
    EXPECT_TRUE(text.add("cdefg"));
    EXPECT_EQ(text.getCapacity(), 7) << "doubling is raised to the length needed";
    EXPECT_TRUE(text.add("h"));
    EXPECT_EQ(text.getCapacity(), 14);
    EXPECT_STREQ(text.c_str(), "abcdefgh");
    EXPECT_TRUE(text.append('\0'));
    EXPECT_TRUE(text.add(""));
    EXPECT_EQ(text.length(), 8);
    EXPECT_FALSE(text.add(nullptr));

    EXPECT_TRUE(text.assign("xy"));
    EXPECT_EQ(text.getCapacity(), 14) << "assign never shrinks";
    EXPECT_FALSE(text.assign(nullptr));
    EXPECT_STREQ(text.c_str(), "xy") << "a null text changes nothing";

    const CBuffString copy("exact");
    EXPECT_EQ(copy.getCapacity(), 5);
    CBuffString self("self");
    self = self;
    EXPECT_STREQ(self.c_str(), "self");
    self.add(self.c_str());
    EXPECT_STREQ(self.c_str(), "selfself") << "appending its own text";
}

TEST(BuffString, ReadsBytes)
{
    const CBuffString text(" \t\x0B\x0C\x08\r\n");
    EXPECT_FALSE(text.hasNonSpace());
    EXPECT_FALSE(CBuffString().hasNonSpace());
    EXPECT_TRUE(CBuffString("  .").hasNonSpace());
    EXPECT_TRUE(CBuffString().isEmpty());
    EXPECT_EQ(CBuffString("ab").charAt(1), 'b');
    EXPECT_EQ(CBuffString("ab").charAt(2), 0);
    EXPECT_EQ(CBuffString("ab").charAt(-1), 0);
}
