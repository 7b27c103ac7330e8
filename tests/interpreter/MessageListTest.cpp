#include "MessageList.h"

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <string>

using namespace xonQMInterpreter;

namespace {

constexpr unsigned char MSG_PLAIN = MESSAGE_KIND_PLAIN;
constexpr unsigned char MSG_WARNING = MESSAGE_KIND_WARNING;
constexpr unsigned char MSG_ERROR = MESSAGE_KIND_ERROR;
constexpr unsigned char MSG_SYSTEM_ERROR = MESSAGE_KIND_SYSTEM_ERROR;

// The line a single message is stored as, read back from its list.
struct TFormatCase
{
    unsigned char kind;
    int arity; // 4: with line and position, 3: with line, 2: neither
    int line;
    int position;
    const char* text;
    const char* stored;
};

std::string storeOne(const TFormatCase& c)
{
    auto messages = std::make_unique<CArrayMessages>();
    if (c.arity == 4)
        messages->addMessage(c.text, c.kind, c.line, c.position);
    else if (c.arity == 3)
        messages->addMessage(c.text, c.kind, c.line);
    else
        messages->addMessage(c.text, c.kind);
    if (c.kind == MSG_WARNING)
        return messages->getWarning(0).c_str();
    if (c.kind == MSG_PLAIN)
        return messages->getMessage(0).c_str();
    return messages->getError(0).c_str();
}

} // namespace

TEST(ArrayMessages, FormatsEachKind)
{
    const TFormatCase cases[] = {
        {MSG_ERROR, 4, 3, 7, "x", " [error, line 3, position 7] x"},
        {MSG_SYSTEM_ERROR, 4, 1, 2, "y", " [system error, line 1, position 2] y"},
        {MSG_WARNING, 4, 10, 1, "w", " [warning, line 10, position 1] w"},
        {MSG_PLAIN, 4, 2, 5, "p", " [line 2, position 5] p"},
        {MSG_ERROR, 3, 4, 0, "e", " [error, line 4] e"},
        {MSG_PLAIN, 3, 6, 0, "p", " [line 6] p"},
        {MSG_ERROR, 2, 0, 0, "e", " [error] e"},
        {MSG_WARNING, 2, 0, 0, "w", " [warning] w"},
        {MSG_PLAIN, 2, 0, 0, "text is empty", "text is empty"},
        {MSG_ERROR, 4, 0, -1, "z", " [error, line 0, position -1] z"},
        {MSG_PLAIN, 3, 1, 0, "   ", " [line 1]    "},
        {MSG_PLAIN, 2, 0, 0, " \t\n", ""},
    };
    for (const TFormatCase& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(storeOne(c), c.stored);
    }
}

TEST(ArrayMessages, CutsLongTexts)
{
    const std::string exact(MAX_LENGTH_MESSAGE_TEXT, 'a');
    const std::string longer(MAX_LENGTH_MESSAGE_TEXT + 1, 'b');
    auto messages = std::make_unique<CArrayMessages>();

    messages->addMessage(exact.c_str(), MSG_PLAIN);
    EXPECT_EQ(messages->getMessage(0).c_str(), exact) << "481 characters stay whole";
    messages->addMessage(longer.c_str(), MSG_PLAIN);
    EXPECT_EQ(messages->getMessage(1).c_str(), longer.substr(0, MAX_LENGTH_MESSAGE_TEXT) + " ...");

    // The prefix pushes the line over the capacity: the final cut shortens the mark.
    messages->addMessage(longer.c_str(), MSG_ERROR, 12345, 678);
    const std::string prefix = " [error, line 12345, position 678] ";
    const std::string line = messages->getError(0).c_str();
    EXPECT_EQ(static_cast<int>(line.size()), MAX_LENGTH_MESSAGE);
    EXPECT_EQ(line, (prefix + longer).substr(0, MAX_LENGTH_MESSAGE));
}

TEST(ArrayMessages, ListsHaveTheirCapacities)
{
    auto messages = std::make_unique<CArrayMessages>();
    EXPECT_EQ(messages->getMaxCountErrors(), 12);
    for (int i = 0; i < MAX_COUNT_ERRORS; ++i)
        messages->addMessage("e", i % 2 ? MSG_ERROR : MSG_SYSTEM_ERROR, i + 1);
    EXPECT_EQ(messages->getCountErrors(), 12);
    EXPECT_EQ(messages->getCountSystemErrors(), 6);
    messages->addMessage("thirteenth", MSG_ERROR, 13);
    messages->addMessage("late", MSG_SYSTEM_ERROR, 14);
    EXPECT_EQ(messages->getCountErrors(), 12) << "a full list drops";
    EXPECT_EQ(messages->getCountSystemErrors(), 6) << "a dropped system error is not counted";
    EXPECT_EQ(messages->getError(11), " [error, line 12] e");

    for (int i = 0; i < MAX_COUNT_WARNINGS + 5; ++i)
        messages->addMessage("w", MSG_WARNING, i);
    EXPECT_EQ(messages->getCountWarnings(), MAX_COUNT_WARNINGS);
    for (int i = 0; i < MAX_COUNT_MESSAGES + 5; ++i)
        messages->addMessage("m", MSG_PLAIN, i);
    EXPECT_EQ(messages->getCountMessages(), MAX_COUNT_MESSAGES);
    EXPECT_EQ(messages->getMessage(MAX_COUNT_MESSAGES - 1), " [line 127] m") << "in arrival order";
}

TEST(ArrayMessages, OutOfRangeReadsAreEmptyAndClearEmpties)
{
    auto messages = std::make_unique<CArrayMessages>();
    messages->addMessage("a", MSG_ERROR, 1, 1);
    messages->addMessage("b", MSG_WARNING);
    messages->addMessage("c", MSG_PLAIN);
    messages->addMessage("d", 5);
    EXPECT_EQ(messages->getCountMessages(), 1)
        << "a message of kind 5 is neither stored nor counted";
    for (int index : {-1, 1, 12}) {
        EXPECT_TRUE(messages->getError(index).isEmpty());
        EXPECT_TRUE(messages->getWarning(index).isEmpty());
        EXPECT_TRUE(messages->getMessage(index).isEmpty());
    }
    messages->clear();
    EXPECT_EQ(messages->getCountErrors() + messages->getCountWarnings()
                  + messages->getCountMessages(),
              0);
    EXPECT_TRUE(messages->getError(0).isEmpty());
}

TEST(ArrayMessages, NumbersIgnoreTheLocale)
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    auto messages = std::make_unique<CArrayMessages>();
    messages->addMessage("x", MSG_ERROR, 1234567, -89012);
    const std::string line = messages->getError(0).c_str();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(line, " [error, line 1234567, position -89012] x");
}
