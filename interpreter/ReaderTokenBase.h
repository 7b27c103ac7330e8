#pragma once

#include "CharClasses.h"
#include "ReaderBase.h"
#include "TokenOptions.h"

namespace xonQMInterpreter {

// Where a reader starts: on from the read position, at the start of the look-ahead, or at
// the bookmark.
enum TReadMode : unsigned char {
    READ_MODE_ON = 0,
    READ_MODE_BEGIN = 1,
    READ_MODE_BOOKMARK = 2,
};

// What a reader saw.
enum TReadAnswer : unsigned char {
    // A complete token followed by white space or the end of the text, or one that lets the
    // next token follow it directly.
    READ_TOKEN_COMPLETE = 1,
    READ_NO_TOKEN = 2,
    // A complete token followed directly by another character, which is left unread.
    READ_TOKEN_FOLLOWED = 3,
};

// A reader of one kind of token. It reads through the look-ahead and never consumes: the
// lexer consumes a token once it has decided to take it.
class CReaderTokenBase : public CReaderBase
{
public:
    // adjacent allows the token to follow the previous one without white space between.
    // On READ_NO_TOKEN the record is partly filled and must not be used.
    virtual TReadAnswer parse(TReadMode mode, bool adjacent) = 0;
    // False when no token of this reader begins with c, so that parse would answer
    // READ_NO_TOKEN at c without meeting the end of the text.
    bool canStart(char c) const { return m_StartChars[static_cast<unsigned char>(c)]; }

    const TTokenOptions& getTokenOptions() const { return m_Token; }
    bool isEndOfStream() const { return m_EndOfStream; }
    void setTokenType(int type) { m_TokenType = type; }

protected:
    // One entry for each byte value.
    static constexpr int START_CHAR_COUNT = 256;

    template <class IsStart>
    void setStartChars(IsStart isStart)
    {
        for (int c = 1; c < START_CHAR_COUNT; ++c)
            m_StartChars[c] = isStart(static_cast<char>(c));
    }
    void addStartChar(char c) { m_StartChars[static_cast<unsigned char>(c)] = true; }

    void applyMode(TReadMode mode)
    {
        if (mode == READ_MODE_BEGIN)
            m_Input->rewind();
        else if (mode == READ_MODE_BOOKMARK)
            m_Input->gotoBookmark();
    }

    // Applies the mode and empties the record; false (end of stream) when nothing is left.
    bool startParse(TReadMode mode)
    {
        applyMode(mode);
        m_EndOfStream = false;
        m_SpaceText.clear();
        m_Token.m_Text.clear();
        m_Token.m_Flag = true;
        m_Token.m_StartLine = 0;
        m_Token.m_StartColumn = 0;
        m_Token.m_EndLine = 0;
        m_Token.m_EndColumn = 0;
        m_Token.m_SeparatedBefore = false;
        m_Token.m_SeparatedAfter = false;
        if (m_Input->isEof()) {
            m_EndOfStream = true;
            return false;
        }
        return true;
    }

    // Reads white space into the space text; answers the first other character (0 at the end).
    char skipSpace(bool& skipped)
    {
        skipped = false;
        char c = m_Input->get();
        while (isBlankChar(c)) {
            skipped = true;
            m_SpaceText.append(c);
            c = m_Input->get();
        }
        if (c == 0)
            m_EndOfStream = true;
        return c;
    }

    // Takes c, just read, as the token's first character.
    void beginText(char c)
    {
        m_Token.m_StartLine = m_Input->getLine();
        m_Token.m_StartColumn = m_Input->getColumn();
        m_Token.m_Text.append(c);
    }

    // Ends a complete token at next, the character read after it, and decides the answer.
    TReadAnswer finishToken(char next, bool spaced, bool adjacent)
    {
        TReadAnswer answer = READ_TOKEN_COMPLETE;
        if (next == 0) {
            m_EndOfStream = true;
        } else if (isBlankChar(next)) {
            m_Input->unget();
        } else {
            m_Input->unget();
            answer = READ_TOKEN_FOLLOWED;
        }
        if (!spaced && !adjacent)
            return READ_NO_TOKEN;
        m_Token.m_TypeId = m_TokenType;
        m_Token.m_GroupId = m_Group;
        m_Token.m_Flag = true;
        m_Token.m_EndLine = m_Input->getLine();
        m_Token.m_EndColumn = m_Input->getColumn();
        m_Token.m_SeparatedBefore = true;
        m_Token.m_SeparatedAfter = answer == READ_TOKEN_COMPLETE;
        return answer;
    }

    // Reads a token of one start character and any number of following ones.
    template <class IsNext>
    TReadAnswer parseRun(TReadMode mode, bool adjacent, IsNext isNext)
    {
        if (!startParse(mode))
            return READ_NO_TOKEN;
        bool spaced = false;
        char c = skipSpace(spaced);
        if (c == 0 || !canStart(c))
            return READ_NO_TOKEN;
        beginText(c);
        c = m_Input->get();
        while (isNext(c)) {
            m_Token.m_Text.append(c);
            c = m_Input->get();
        }
        return finishToken(c, spaced, adjacent);
    }

    TTokenOptions m_Token;
    bool m_EndOfStream = false;
    int m_TokenType = -1;

private:
    bool m_StartChars[START_CHAR_COUNT] = {};
};

} // namespace xonQMInterpreter
