#include "TokenStack.h"

#include "Exceptions.h"

#include <atomic>

namespace xonQMInterpreter {

namespace {

bool isTaken(TReadAnswer answer, bool endOfText)
{
    return answer == READ_TOKEN_COMPLETE || (answer == READ_TOKEN_FOLLOWED && endOfText);
}

std::atomic<uint64_t> g_LastLexerIdentity{0};

} // namespace

CTokenStack::CTokenStack()
    : m_Identity(g_LastLexerIdentity.fetch_add(1, std::memory_order_relaxed) + 1)
{
    m_ReaderComments.setGroup(TOKEN_GROUP_COMMENT);
    m_ReaderReserved.setGroup(TOKEN_GROUP_RESERVED);
    m_ReaderInteger.setGroup(TOKEN_GROUP_NUMBER);
    m_ReaderInteger.setTokenType(TOKEN_TYPE_INTEGER);
    m_ReaderFloat.setGroup(TOKEN_GROUP_NUMBER);
    m_ReaderFloat.setTokenType(TOKEN_TYPE_FLOAT);
    m_ReaderWordUser.setGroup(TOKEN_GROUP_USER_WORD);
    m_ReaderWordUser.setTokenType(TOKEN_TYPE_USER_WORD);
    m_ReaderWordErroneous.setGroup(TOKEN_GROUP_ERRONEOUS_WORD);
    m_ReaderWordErroneous.setTokenType(TOKEN_TYPE_ERRONEOUS_WORD);
    m_ReaderInadmissible.setGroup(TOKEN_GROUP_INADMISSIBLE_SYMBOL);
    m_ReaderComments.setStream(&m_Input);
    const unsigned wordOrNumber = TOKEN_KIND_ANY | TOKEN_KIND_WORD_OR_NUMBER;
    m_Readers[0] = {&m_ReaderReserved, TOKEN_KIND_ANY};
    m_Readers[1] = {&m_ReaderInteger, wordOrNumber};
    m_Readers[2] = {&m_ReaderFloat, wordOrNumber | TOKEN_KIND_FLOAT};
    m_Readers[3] = {&m_ReaderWordUser, wordOrNumber};
    m_Readers[4] = {&m_ReaderWordErroneous, TOKEN_KIND_ERRONEOUS};
    m_Readers[5] = {&m_ReaderInadmissible, TOKEN_KIND_INADMISSIBLE};
    for (TReaderEntry& entry : m_Readers)
        entry.reader->setStream(&m_Input);
}

bool CTokenStack::addReservedWord(int id, const CTokenString& word, bool flag)
{
    return m_ReaderReserved.addWord(id, word, flag);
}

bool CTokenStack::addInadmissibleSymbol(const CTokenString& word, bool flag)
{
    return m_ReaderInadmissible.addWord(TOKEN_TYPE_INADMISSIBLE_SYMBOL, word, flag);
}

void CTokenStack::reset()
{
    m_Input.reset();
    m_StackStart = 0;
    m_CountTokens = 0;
    m_CurrentToken = 0;
    m_FirstToken = true;
    m_PreviousFlag = true;
    m_LastToken.clear();
    for (TTokenOptions& token : m_Tokens)
        token.clear();
}

void CTokenStack::raise(const char* code, const char* text) const
{
    throw CStreamException(code, m_Input.getLine(), m_Input.getColumn(), text);
}

bool CTokenStack::getStackToken(int index, TTokenOptions& token) const
{
    if (index < 0 || index >= MAX_COUNT_TOKENS_IN_STACK || index >= m_CountTokens)
        return false;
    token = stacked(index);
    return true;
}

bool CTokenStack::getLastToken(TTokenOptions& token) const
{
    if (!m_LastToken.m_Text.hasNonSpace())
        return false;
    token = m_LastToken;
    return true;
}

bool CTokenStack::parseToken(TTokenOptions& token)
{
    token.clear();
    if (parseTokenEx(TOKEN_KIND_ANY, token))
        return true;
    // "1.5" first reads as the integer "1" that no token may follow directly.
    if (token.m_TypeId == TOKEN_TYPE_INTEGER && parseTokenEx(TOKEN_KIND_FLOAT, token))
        return true;
    if (token.m_GroupId == TOKEN_GROUP_RESERVED && parseTokenEx(TOKEN_KIND_WORD_OR_NUMBER, token))
        return true;
    return parseTokenEx(TOKEN_KIND_ERRONEOUS, token)
           || parseTokenEx(TOKEN_KIND_INADMISSIBLE, token);
}

bool CTokenStack::parseTokenEx(TTokenKind kind, TTokenOptions& token)
{
    if (m_CurrentToken < 0)
        raise("ERROR_PARSE_00001", "CTokenStack::parseTokenEx SYSTEM ERROR : m_CurrentToken < 0");
    if (m_CurrentToken >= MAX_COUNT_TOKENS_IN_STACK)
        raise(
            "ERROR_PARSE_00002",
            "CTokenStack::parseTokenEx SYSTEM ERROR : m_CurrentToken >= MAX_COUNT_TOKENS_IN_STACK");
    if (m_CountTokens > MAX_COUNT_TOKENS_IN_STACK)
        raise("ERROR_PARSE_00003",
              "CTokenStack::parseTokenEx SYSTEM ERROR : m_CountTokens > MAX_COUNT_TOKENS_IN_STACK");

    if (m_CurrentToken < m_CountTokens) {
        token = stacked(m_CurrentToken++);
        m_PreviousFlag = token.m_Flag;
        return true;
    }

    m_Input.rewind();
    m_Input.saveBookmark();
    const bool adjacent = skipSeparators() || !m_PreviousFlag;
    bool endOfText = false;
    const TReadAnswer answer = readToken(kind, READ_MODE_BEGIN, m_FirstToken, adjacent, token,
                                         endOfText);
    // Readers step back over what follows their token, so the read position is its length.
    const int firstLength = m_Input.getReadPosition();

    if (isTaken(answer, endOfText)) {
        m_PreviousFlag = token.m_Flag;
    } else if (answer == READ_TOKEN_FOLLOWED) {
        m_WorkToken = token;
        m_Input.saveBookmark();
        if (skipSeparators()) {
            m_PreviousFlag = true;
        } else {
            // Another character touches the token: take both only when it starts a token
            // that can be read completely right away.
            const TReadAnswer second = readToken(TOKEN_KIND_ANY, READ_MODE_BOOKMARK, false,
                                                 !m_WorkToken.m_Flag, token, endOfText);
            if (!isTaken(second, endOfText)) {
                m_Input.clearBookmark();
                m_Input.rewind();
                return false;
            }
            // With no room for the second token it is left in the text and read again
            // next time, alone, to the same result.
            if (m_CountTokens + 2 <= MAX_COUNT_TOKENS_IN_STACK) {
                const int secondLength = m_Input.getReadPosition() - m_Input.getBookmark();
                m_FirstToken = false;
                m_PreviousFlag = token.m_Flag;
                push(m_WorkToken);
                push(token);
                m_Input.matchBegin(firstLength + secondLength);
                ++m_CurrentToken;
                token = m_WorkToken;
                return true;
            }
            token = m_WorkToken;
            m_PreviousFlag = token.m_Flag;
        }
    } else {
        m_Input.clearBookmark();
        m_Input.rewind();
        return false;
    }
    m_FirstToken = false;
    push(token);
    m_Input.matchBegin(firstLength);
    ++m_CurrentToken;
    return true;
}

TReadAnswer CTokenStack::readToken(TTokenKind kind, TReadMode mode, bool first, bool adjacent,
                                   TTokenOptions& token, bool& endOfText)
{
    endOfText = false;
    // Readers that cannot begin at the first character would answer no token; they are
    // not asked. At the end of the text every reader is, to note the end.
    if (mode == READ_MODE_BEGIN)
        m_Input.rewind();
    else
        m_Input.gotoBookmark();
    char start = m_Input.get();
    while (isBlankChar(start))
        start = m_Input.get();
    TReadAnswer answer = READ_NO_TOKEN;
    for (const TReaderEntry& entry : m_Readers) {
        if ((entry.kinds & kind) == 0 || (start != 0 && !entry.reader->canStart(start)))
            continue;
        answer = entry.reader->parse(mode, first || adjacent);
        if (answer != READ_NO_TOKEN)
            token = entry.reader->getTokenOptions();
        if (entry.reader->isEndOfStream()) {
            endOfText = true;
            break;
        }
        if (answer != READ_NO_TOKEN)
            break;
    }
    return answer;
}

bool CTokenStack::skipSeparators()
{
    // Most tokens follow the previous one directly or after a few blanks: no comment can
    // start there and no white space is to be consumed.
    int spaces = 0;
    char c = m_Input.get();
    while (CStackStreamIn::isSpace(c)) {
        ++spaces;
        c = m_Input.get();
    }
    m_Input.gotoBookmark();
    if (c != '/' && c != '#' && spaces < SKIP_WHITE_SPACE_FLUSH)
        return spaces > 0;
    bool seen = false;
    for (;;) {
        seen = m_ReaderComments.parse() || seen;
        m_Input.gotoBookmark();
        bool consumed = false;
        seen = skipWhiteSpace(consumed) || seen;
        m_Input.gotoBookmark();
        // A comment behind a white-space run longer than the look-ahead shows only now.
        if (!consumed)
            return seen;
    }
}

bool CTokenStack::skipWhiteSpace(bool& consumed)
{
    consumed = false;
    bool seen = false;
    int count = 0;
    char c = m_Input.get();
    while (CStackStreamIn::isSpace(c)) {
        seen = true;
        if (++count == SKIP_WHITE_SPACE_FLUSH) {
            m_Input.matchBookmark(SKIP_WHITE_SPACE_CONSUME);
            consumed = true;
            count = 0;
        }
        c = m_Input.get();
    }
    return seen;
}

void CTokenStack::push(TTokenOptions& token)
{
    token.m_Lexer = m_Identity;
    token.m_Serial = ++m_LastSerial;
    stacked(m_CountTokens++) = token;
}

void CTokenStack::matchToken(const TTokenOptions& token)
{
    if (m_CountTokens < 1)
        raise("ERROR_MATCH_TOKEN_00001",
              "CTokenStack::matchToken SYSTEM ERROR : m_CountTokens <= 0");
    if (!token.isSameToken(stacked(0)))
        throw CStreamException("ERROR_MATCH_TOKEN_00002", m_Input.getLine(), m_Input.getColumn(),
                               stacked(0).m_Text,
                               "CTokenStack::matchToken SYSTEM ERROR : not correct token");
    m_LastToken = token;
    m_StackStart = (m_StackStart + 1) % MAX_COUNT_TOKENS_IN_STACK;
    --m_CountTokens;
    m_CurrentToken = 0;
}

void CTokenStack::readUnknownWord(TTokenOptions& token)
{
    token.clear();
    m_Input.clearBookmark();
    m_Input.rewind();
    char c = m_Input.get();
    while (CStackStreamIn::isSpace(c)) {
        m_Input.matchBegin(c);
        c = m_Input.get();
    }
    bool first = true;
    while (c != 0 && !CStackStreamIn::isSpace(c)) {
        if (token.m_Text.length() == MAX_LENGTH_UNKNOWN_WORD) {
            token.m_Text.append("...");
            break;
        }
        if (first) {
            token.m_StartLine = m_Input.getLine();
            token.m_StartColumn = m_Input.getColumn();
            first = false;
        }
        token.m_EndLine = m_Input.getLine();
        token.m_EndColumn = m_Input.getColumn();
        token.m_Text.append(c);
        m_Input.matchBegin(c);
        c = m_Input.get();
    }
    m_Input.rewind();
}

} // namespace xonQMInterpreter
