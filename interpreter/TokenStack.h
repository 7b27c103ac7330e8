#pragma once

#include "Limits.h"
#include "ReaderComments.h"
#include "ReaderFloat.h"
#include "ReaderInteger.h"
#include "ReaderWordErroneous.h"
#include "ReaderWordReserved.h"
#include "ReaderWordUser.h"
#include "StackStreamIn.h"
#include "TokenOptions.h"

namespace xonQMInterpreter {

// Turns the look-ahead into tokens and keeps up to MAX_COUNT_TOKENS_IN_STACK of them read
// ahead, so the parser can peek several tokens (parseToken) and then commit them one by one
// (matchToken). A token is taken from the text, and its characters consumed, when it is
// first peeked.
//
// Two tokens may touch only when the first lets the next follow it (flag false, as every
// symbol does) or when the second can be read completely right away: a+b and f(x) are read
// as names and symbols, but 2x is no integer followed by a name.
class CTokenStack
{
public:
    CTokenStack();
    CTokenStack(const CTokenStack&) = delete;
    CTokenStack& operator=(const CTokenStack&) = delete;
    virtual ~CTokenStack() = default;

    // The operator symbols and the symbols that are not allowed, in the order they are to
    // be tried. False for an empty or blank word.
    bool addReservedWord(int id, const CTokenString& word, bool flag);
    bool addInadmissibleSymbol(const CTokenString& word, bool flag);
    template <int M>
    bool isReservedWord(const CLimitString<M>& name) const
    {
        return m_ReaderReserved.isReserved(name);
    }

    // The next token after those already handed out; false when no reader finds one there
    // (only the comments and white space before that place are consumed). Raises
    // CStreamException on an inconsistency, such as more than MAX_COUNT_TOKENS_IN_STACK
    // tokens read ahead.
    bool parseToken(TTokenOptions& token);
    // As parseToken, for a record changed only by clear and by this lexer since it last filled
    // it: when the record holds the next token already, nothing is copied.
    bool parseTokenReusing(TTokenOptions& token)
    {
        return takeHeldToken(token) || parseToken(token);
    }
    // parseTokenReusing for a token read ahead already; false, nothing changed, when there is
    // none at the current place. It cannot fail, so callers may take it outside their guards.
    bool takeHeldToken(TTokenOptions& token)
    {
        if (m_CurrentToken < 0 || m_CurrentToken >= m_CountTokens
            || m_CountTokens > MAX_COUNT_TOKENS_IN_STACK)
            return false;
        const TTokenOptions& held = stacked(m_CurrentToken++);
        if (!isSameIssue(token, held))
            token = held;
        m_PreviousFlag = held.m_Flag;
        return true;
    }
    // Commits the first token read ahead, which must be the given one (else raises
    // CStreamException); the next parseToken starts again at the first token not committed.
    void matchToken(const TTokenOptions& token);
    // The next parseToken starts again at the first token not committed.
    void resetCurrentToken() { m_CurrentToken = 0; }
    // A copy of token index of those read ahead; false when there is none.
    bool getStackToken(int index, TTokenOptions& token) const;
    bool getCurrentToken(TTokenOptions& token) const
    {
        return getStackToken(m_CurrentToken, token);
    }
    bool getPreviousToken(TTokenOptions& token) const
    {
        return getStackToken(m_CurrentToken - 1, token);
    }
    // A copy of the token committed last; false when there is none.
    bool getLastToken(TTokenOptions& token) const;
    // True when the text is read out and no token is left.
    bool isEndOfTokens() const { return m_CountTokens == 0 && m_Input.isEof(); }
    // Consumes the raw word at the start of the look-ahead (up to the next white space and at
    // most MAX_LENGTH_UNKNOWN_WORD characters, then "..."), for a message about text that no
    // reader accepts.
    void readUnknownWord(TTokenOptions& token);

    // Empties the look-ahead and the tokens; the word lists are kept.
    void reset();

protected:
    CStackStreamIn m_Input;

private:
    // What a token request asks for; each reader answers the requests that name it.
    enum TTokenKind : unsigned {
        TOKEN_KIND_ANY = 1u << 0,            // symbol, integer, real number or name
        TOKEN_KIND_WORD_OR_NUMBER = 1u << 1, // integer, real number or name
        TOKEN_KIND_FLOAT = 1u << 2,          // real number
        TOKEN_KIND_ERRONEOUS = 1u << 3,      // name beginning with a digit
        TOKEN_KIND_INADMISSIBLE = 1u << 4,   // symbol that is not allowed
    };
    struct TReaderEntry
    {
        CReaderTokenBase* reader;
        unsigned kinds;
    };
    static constexpr int READER_COUNT = 6;

    bool parseTokenEx(TTokenKind kind, TTokenOptions& token);
    TReadAnswer readToken(TTokenKind kind, TReadMode mode, bool first, bool adjacent,
                          TTokenOptions& token, bool& endOfText);
    // Skips comments and white space at the bookmark; answers whether there were any.
    bool skipSeparators();
    // Reads white space at the bookmark, consuming long runs in pieces; answers whether
    // there was any and tells whether any was consumed.
    bool skipWhiteSpace(bool& consumed);
    // Stamps the token with its identity and holds a copy of it.
    void push(TTokenOptions& token);
    static bool isSameIssue(const TTokenOptions& left, const TTokenOptions& right)
    {
        return left.m_Serial != 0 && left.m_Serial == right.m_Serial
               && left.m_Lexer == right.m_Lexer;
    }
    // Tokens read ahead are kept in a ring, so committing one moves none.
    TTokenOptions& stacked(int index)
    {
        return m_Tokens[(m_StackStart + index) % MAX_COUNT_TOKENS_IN_STACK];
    }
    const TTokenOptions& stacked(int index) const
    {
        return m_Tokens[(m_StackStart + index) % MAX_COUNT_TOKENS_IN_STACK];
    }
    [[noreturn]] void raise(const char* code, const char* text) const;

    CReaderComments m_ReaderComments;
    CReaderWordReserved m_ReaderReserved;
    CReaderInteger m_ReaderInteger;
    CReaderFloat m_ReaderFloat;
    CReaderWordUser m_ReaderWordUser;
    CReaderWordErroneous m_ReaderWordErroneous;
    CReaderWordReserved m_ReaderInadmissible;
    // The token readers in the order they are asked.
    TReaderEntry m_Readers[READER_COUNT];
    TTokenOptions m_Tokens[MAX_COUNT_TOKENS_IN_STACK];
    TTokenOptions m_LastToken;
    int m_StackStart = 0;
    int m_CountTokens = 0;
    int m_CurrentToken = 0;
    bool m_FirstToken = true;
    bool m_PreviousFlag = true;
    TTokenOptions m_WorkToken;
    // Unique among all lexers of the process, so that no record takes one lexer's token for
    // another's.
    const uint64_t m_Identity;
    uint64_t m_LastSerial = 0;
};

} // namespace xonQMInterpreter
