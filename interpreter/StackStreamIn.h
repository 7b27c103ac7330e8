#pragma once

#include "CharClasses.h"
#include "LimitString.h"
#include "Limits.h"
#include "StreamIn.h"

namespace xonQMInterpreter {

// One character read ahead, with the place where it stands in the text. Line and column are
// 1-based (0: before the first character); the tab phase is the column within the current
// tab stop.
class CStreamPosition
{
public:
    void clear() { *this = CStreamPosition(); }

    char m_Char = 0;
    int m_Line = 0;
    int m_Column = 0;
    int m_TabPhase = 0;
};

// The look-ahead over a character source. Readers try a token from the start of the
// look-ahead (or a bookmark), step back, and either consume its characters with match or
// leave them for the next reader. At most MAX_LENGTH_TOKEN characters are held; reading
// beyond them answers 0 as if the text ended there.
//
// Consumed characters leave a gap in the storage instead of shifting the rest, and the gap
// follows the place of consumption, so consuming costs no more than the distance between
// two such places and a long run of white space or comment is read in linear time.
class CStackStreamIn
{
public:
    CStackStreamIn();
    CStackStreamIn(const CStackStreamIn&) = delete;
    CStackStreamIn& operator=(const CStackStreamIn&) = delete;

    // The source is not owned. The look-ahead is left as it is.
    void setStream(CStreamInBase* stream);
    // Empties the look-ahead and rewinds the source.
    void reset();
    // Notes whether the source holds anything but white space.
    void checkEmpty();
    bool isEmpty() const { return m_Empty; }
    static bool isSpace(char c) { return isStreamSpace(c); }
    // A negative width is ignored.
    void setTabSize(int width);
    int getTabSize() const { return m_TabSize; }

    // The next character; 0 at the end of the text and beyond the look-ahead's capacity.
    char get()
    {
        if (m_Stream == nullptr || m_ReadPosition < 0 || m_ReadPosition >= m_Size
            || m_ReadPosition + 1 == m_Size) [[unlikely]]
            return getOn();
        return at(m_ReadPosition++).m_Char;
    }
    // One character back, not before the start of the look-ahead.
    void unget()
    {
        if (m_ReadPosition > 0)
            --m_ReadPosition;
    }
    // True when nothing is left: no source, or the source is read out and nothing is held.
    bool isEof() const { return m_Stream == nullptr || (m_Size == 0 && isSourceEnd()); }
    void rewind() { m_ReadPosition = 0; }
    void saveBookmark() { m_Bookmark = m_ReadPosition; }
    void gotoBookmark() { m_ReadPosition = m_Bookmark; }
    void clearBookmark() { m_Bookmark = 0; }
    int getBookmark() const { return m_Bookmark; }
    // The index of the record that get answers next.
    int getReadPosition() const { return m_ReadPosition; }
    // Characters held: read from the source and not yet consumed.
    int getSize() const { return m_Size; }

    // The record at index; outside the held characters, character 0 at the place of the
    // character read last from the source.
    CStreamPosition getStreamPosition(int index) const;
    // The place of the character answered last (before anything is answered, of the
    // character read last from the source).
    int getLine() const { return hasAnswered() ? at(m_ReadPosition - 1).m_Line : m_LastLine; }
    int getColumn() const { return hasAnswered() ? at(m_ReadPosition - 1).m_Column : m_LastColumn; }

    // Consume held characters at position: the given character, the token's characters or
    // count characters. They never answer false: a mismatch or a bad position raises
    // CStreamException. The read position becomes position.
    bool match(char c, int position);
    bool match(const CTokenString& token, int position);
    bool match(int count, int position);
    bool matchBegin(char c) { return match(c, 0); }
    bool matchBegin(const CTokenString& token) { return match(token, 0); }
    bool matchBegin(int count) { return match(count, 0); }
    bool matchBookmark(char c) { return match(c, m_Bookmark); }
    bool matchBookmark(const CTokenString& token) { return match(token, m_Bookmark); }
    bool matchBookmark(int count) { return match(count, m_Bookmark); }

private:
    // Room for the held characters and a gap of consumed ones as large again.
    static constexpr int STORAGE_SIZE = 2 * MAX_LENGTH_TOKEN;
    // Characters fetched from the source in one call.
    static constexpr int BLOCK_SIZE = 1024;

    CStreamPosition& at(int index)
    {
        return m_Storage[index < m_GapStart ? index : index + m_GapLength];
    }
    const CStreamPosition& at(int index) const
    {
        return m_Storage[index < m_GapStart ? index : index + m_GapLength];
    }
    bool hasAnswered() const { return m_ReadPosition >= 1 && m_ReadPosition <= m_Size; }
    // get when the next character is not held yet or the state is inconsistent.
    char getOn();
    char getSlow();
    // The source's characters come in blocks; the block is part of the source, not of the
    // look-ahead, so holding and placing stay one character at a time.
    bool isSourceEnd() const { return m_BlockPosition == m_BlockLength && m_Stream->isEnd(); }
    void dropBlock() { m_BlockPosition = m_BlockLength = 0; }
    // Reads the next character of the source into the look-ahead.
    void readFromSource();
    // Closes the gap at the end of the storage, making room behind the held characters.
    [[gnu::noinline]] void compactStorage();
    [[gnu::noinline]] void fetchBlock();
    void remove(int position, int count);
    [[noreturn]] void raise(const char* code, const char* text) const;

    CStreamInBase* m_Stream = nullptr;
    CStreamPosition m_Storage[STORAGE_SIZE];
    // Held record i is m_Storage[i] below m_GapStart and m_Storage[i + m_GapLength] from it.
    int m_GapStart = 0;
    int m_GapLength = 0;
    // The character read last from the source.
    CStreamPosition m_Work;
    char m_Block[BLOCK_SIZE];
    int m_BlockPosition = 0;
    int m_BlockLength = 0;
    int m_TabSize = DEFAULT_TAB_SIZE;
    int m_LastLine = -1;
    int m_LastColumn = -1;
    int m_Size = 0;
    int m_ReadPosition = 0;
    int m_Bookmark = 0;
    bool m_Empty = true;
};

} // namespace xonQMInterpreter
