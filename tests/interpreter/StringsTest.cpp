#include "BuffString.h"
#include "LimitString.h"

#include <gtest/gtest.h>

#include <string>

using namespace xonQMInterpreter;

TEST(LimitString, CutsAtCapacity)
{
    const std::string hundred(100, 'n');
    CNameString name(hundred.c_str());
    EXPECT_EQ(name.c_str(), hundred.substr(0, MAX_LENGTH_NAME));
    name.assign(CTokenString(std::string(2000, 't').c_str()));
    EXPECT_EQ(name.length(), MAX_LENGTH_NAME) << "a token assigned to a name is cut there";

    CMessageString full(std::string(MAX_LENGTH_MESSAGE, 'm').c_str());
    EXPECT_TRUE(full.append("more"));
    EXPECT_EQ(full.length(), MAX_LENGTH_MESSAGE) << "appending to a full string changes nothing";
    EXPECT_FALSE(name.append(static_cast<const char*>(nullptr)));

    const CTokenString longToken(std::string(600, 'k').c_str());
    EXPECT_EQ(("'" + CMessageString("=") + "' after of '" + longToken).length(),
              MAX_LENGTH_MESSAGE);
    EXPECT_EQ(", " + CNameString("v"), ", v");
}

TEST(LimitString, ComparesAndTrimsBytes)
{
    EXPECT_NE(CNameString("Alpha"), CNameString("alpha"));
    EXPECT_NE(CNameString("x"), CTokenString("x "));
    EXPECT_NE(CNameString("\xC0"), CNameString("\xE0")) << "no case folding of cp1251 letters";
    EXPECT_EQ(CNameString("x"), CTokenString("x"));

    CNameString text("abcdef");
    text.remove(4, 10);
    EXPECT_EQ(text, "abcd") << "the count is cut to the end";
    text.remove(4, 1);
    EXPECT_EQ(text, "abcd") << "a start outside the text does nothing";

    CNameString padded(" \t\r\n\x0B\x0C\x08x y\x08\x0C\x0B\n\r\t ");
    padded.trimLeft();
    padded.trimRight();
    EXPECT_EQ(padded, "x y");
    CNameString bell("\x07x");
    bell.trimLeft();
    EXPECT_EQ(bell, "\x07x") << "BEL is not trimmed";
}

TEST(BuffString, FindAndSubString)
{
    const CBuffString text("xaxaxa");
    EXPECT_EQ(text.find("a", 2), 3);
    EXPECT_EQ(text.find("a", 6), -1);
    EXPECT_EQ(text.find("", 0), -1);
    EXPECT_EQ(text.find("axax", 3), -1) << "does not fit before the end";
    EXPECT_STREQ(text.subString(4, 10).c_str(), "xa");
    EXPECT_STREQ(text.subString(4, 0).c_str(), "xaxaxa") << "nothing selected: the whole string";
    EXPECT_STREQ(text.subString(6, 1).c_str(), "xaxaxa");
    EXPECT_EQ(CBuffString("ab").charAt(2), 0);
    EXPECT_FALSE(CBuffString(" \t\x0B\x0C\x08\r\n").hasNonSpace());
}

TEST(BuffString, GrowsByDoubling)
{
    CBuffString text;
    const struct
    {
        const char* added;
        int capacity;
    } steps[] = {{"a", 1}, {"b", 2}, {"cdefg", 7}, {"h", 14}};
    for (const auto& step : steps) {
        EXPECT_TRUE(text.add(step.added));
        EXPECT_EQ(text.getCapacity(), step.capacity) << step.added;
    }
    EXPECT_STREQ(text.c_str(), "abcdefgh");
    EXPECT_TRUE(text.append('\0'));
    EXPECT_EQ(text.length(), 8) << "a NUL character changes nothing";

    EXPECT_TRUE(text.assign("xy"));
    EXPECT_EQ(text.getCapacity(), 14) << "assign never shrinks";
    EXPECT_FALSE(text.assign(nullptr));
    EXPECT_STREQ(text.c_str(), "xy");
    EXPECT_EQ(CBuffString("exact").getCapacity(), 5);

    CBuffString self("self");
    self.add(self.c_str());
    EXPECT_STREQ(self.c_str(), "selfself") << "appending its own text";
}
