#pragma once

#include "LimitString.h"

#include <cstdint>

namespace xonQMInterpreter {

// Type ids of the tokens the lexer makes itself; reserved symbols carry the id they were
// registered with.
constexpr int TOKEN_TYPE_USER_WORD = 1;
constexpr int TOKEN_TYPE_INTEGER = 2;
constexpr int TOKEN_TYPE_FLOAT = 3;
constexpr int TOKEN_TYPE_INADMISSIBLE_SYMBOL = 5;
constexpr int TOKEN_TYPE_ERRONEOUS_WORD = 41;

// Groups of tokens, one per reader.
constexpr int TOKEN_GROUP_COMMENT = 0;
constexpr int TOKEN_GROUP_RESERVED = 1;
constexpr int TOKEN_GROUP_NUMBER = 2;
constexpr int TOKEN_GROUP_USER_WORD = 3;
constexpr int TOKEN_GROUP_ERRONEOUS_WORD = 4;
constexpr int TOKEN_GROUP_INADMISSIBLE_SYMBOL = 5;

// One token: what it is, its text, where its first and last characters stand, and whether
// the next token may follow it without white space (flag false).
class TTokenOptions
{
public:
    TTokenOptions() { clear(); }

    // Type and group -1, empty text, flag set, every position 1.
    void clear()
    {
        m_TypeId = -1;
        m_GroupId = -1;
        m_Text.clear();
        m_Flag = true;
        m_StartLine = 1;
        m_StartColumn = 1;
        m_EndLine = 1;
        m_EndColumn = 1;
        m_SeparatedBefore = false;
        m_SeparatedAfter = false;
        m_Lexer = 0;
        m_Serial = 0;
    }

    // Tokens are the same when their texts and flags are.
    bool isSameToken(const TTokenOptions& other) const
    {
        // Compared here byte by byte: the texts are short and a library call would cost more.
        if (m_Flag != other.m_Flag || m_Text.length() != other.m_Text.length())
            return false;
        const char* left = m_Text.c_str();
        const char* right = other.m_Text.c_str();
        for (int i = 0; i < m_Text.length(); ++i)
            if (left[i] != right[i])
                return false;
        return true;
    }

    int m_TypeId;
    int m_GroupId;
    CTokenString m_Text;
    bool m_Flag;
    int m_StartLine;
    int m_StartColumn;
    int m_EndLine;
    int m_EndColumn;
    bool m_SeparatedBefore;
    bool m_SeparatedAfter;

private:
    friend class CTokenStack;

    // Which token of which lexer the record is a copy of (0: none), so that handing the same
    // token to the same record again, as the parser's peeks do all the time, copies nothing.
    // A record the lexer filled is changed only by clear, by assignment or by the lexer.
    uint64_t m_Lexer;
    uint64_t m_Serial;
};

} // namespace xonQMInterpreter
