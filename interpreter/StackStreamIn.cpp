#include "StackStreamIn.h"

#include "Exceptions.h"

#include <climits>
#include <cstring>

namespace xonQMInterpreter {

namespace {

constexpr char CHAR_BEL = 7;
constexpr char CHAR_BS = 8;
constexpr char CHAR_TAB = 9;
constexpr char CHAR_LF = 10;
constexpr char CHAR_FF = 12;
constexpr char CHAR_CR = 13;

// Moves the place of a character (line, column, tab phase) over the next character c.
void advancePosition(int tabSize, int& line, int& column, int& phase, char c)
{
    if (tabSize <= phase)
        phase = 0;
    switch (c) {
    case CHAR_BEL:
    case CHAR_BS:
    case CHAR_FF:
    case CHAR_CR:
        // No column, but a place in the tab stop.
        ++phase;
        break;
    case CHAR_LF:
        // A text that begins with a line end has left line 1 with it.
        line = line < 1 ? 2 : line + 1;
        column = 0;
        phase = 0;
        break;
    default: {
        int width = 1;
        if (c == CHAR_TAB) {
            width = tabSize - phase;
            phase = 0;
        } else {
            ++phase;
        }
        if (line < 1)
            line = 1;
        if (column < 1)
            column = c == CHAR_TAB ? width : 1;
        else
            column = width > INT_MAX - column ? INT_MAX : column + width;
        break;
    }
    }
}

} // namespace

CStackStreamIn::CStackStreamIn() = default;

void CStackStreamIn::setStream(CStreamInBase* stream)
{
    m_Stream = stream;
    checkEmpty();
}

void CStackStreamIn::reset()
{
    m_Work.clear();
    dropBlock();
    m_LastLine = -1;
    m_LastColumn = -1;
    m_Size = 0;
    m_ReadPosition = 0;
    m_Bookmark = 0;
    m_GapStart = 0;
    m_GapLength = 0;
    if (m_Stream != nullptr)
        m_Stream->reset();
    checkEmpty();
}

void CStackStreamIn::checkEmpty()
{
    m_Empty = true;
    // The source is rewound below: a block fetched before belongs to another reading.
    dropBlock();
    if (m_Stream == nullptr)
        return;
    m_Stream->moveFirst();
    while (!m_Stream->isEnd()) {
        if (!isSpace(m_Stream->getChar())) {
            m_Empty = false;
            break;
        }
    }
    m_Stream->moveFirst();
}

void CStackStreamIn::setTabSize(int width)
{
    if (width >= 0)
        m_TabSize = width;
}

void CStackStreamIn::compactStorage()
{
    std::memmove(m_Storage + m_GapStart, m_Storage + m_GapStart + m_GapLength,
                 sizeof(CStreamPosition) * (m_Size - m_GapStart));
    m_GapStart = m_Size;
    m_GapLength = 0;
}

void CStackStreamIn::fetchBlock()
{
    m_BlockPosition = 0;
    m_BlockLength = m_Stream->read(m_Block, BLOCK_SIZE);
    if (m_BlockLength <= 0) {
        m_Block[0] = m_Stream->getChar();
        m_BlockLength = 1;
    }
}

// Every character is placed after the one read before it, so places stay exact even when
// everything held has been consumed. Inlined into its two callers: it runs once for every
// character of the text.
[[gnu::always_inline]] inline void CStackStreamIn::readFromSource()
{
    if (m_Size + m_GapLength == STORAGE_SIZE) [[unlikely]]
        compactStorage();
    if (m_BlockPosition == m_BlockLength) [[unlikely]]
        fetchBlock();
    const char c = m_Block[m_BlockPosition++];
    int line = m_Work.m_Line;
    int column = m_Work.m_Column;
    int phase = m_Work.m_TabPhase;
    if (static_cast<unsigned char>(c) > CHAR_CR) [[likely]] {
        // Any character past the control ones takes one column.
        phase = (m_TabSize <= phase ? 0 : phase) + 1;
        if (line < 1)
            line = 1;
        column = column < 1 ? 1 : (column == INT_MAX ? INT_MAX : column + 1);
    } else {
        advancePosition(m_TabSize, line, column, phase, c);
    }
    // Stored from the computed values: reading a record back as a whole right after its
    // fields were stored one by one stalls the processor.
    const CStreamPosition record{c, line, column, phase};
    m_Work = record;
    m_Storage[m_Size + m_GapLength] = record;
    m_LastLine = line;
    m_LastColumn = column;
    ++m_Size;
}

char CStackStreamIn::getOn()
{
    // Reading on at the end of what is held, the common case, goes without the checks.
    if (m_Stream != nullptr && m_ReadPosition >= 0 && m_ReadPosition + 1 == m_Size
        && m_Size < MAX_LENGTH_TOKEN) {
        if (!isSourceEnd())
            readFromSource();
        return at(m_ReadPosition++).m_Char;
    }
    return getSlow();
}

char CStackStreamIn::getSlow()
{
    if (m_Stream == nullptr)
        raise("ERROR_MATCH_00012", "CStackStreamIn::get() SYSTEM ERROR : m_Stream == NULL");
    if (m_ReadPosition < 0)
        raise("ERROR_MATCH_00013",
              "CStackStreamIn::get() SYSTEM ERROR : m_CurrentPositionBuffer < 0");
    if (m_Size < 0)
        raise("ERROR_MATCH_00014", "CStackStreamIn::get() SYSTEM ERROR : m_CurrentSizeBuffer < 0");
    if (m_Size > MAX_LENGTH_TOKEN)
        raise("ERROR_MATCH_00016",
              "CStackStreamIn::get() SYSTEM ERROR : m_CurrentSizeBuffer > MAX_LENGTH_TOKEN");
    if (m_ReadPosition > m_Size)
        raise("ERROR_MATCH_00017",
              "CStackStreamIn::get() SYSTEM ERROR : m_CurrentPositionBuffer > m_CurrentSizeBuffer");

    if (m_Size == 0) {
        if (isSourceEnd())
            return 0;
        readFromSource();
        if (!isSourceEnd())
            readFromSource();
        m_ReadPosition = 1;
        return at(0).m_Char;
    }
    if (m_ReadPosition < m_Size) {
        // Keep one character of look-ahead beyond the one answered.
        if (m_Size < MAX_LENGTH_TOKEN && !isSourceEnd())
            readFromSource();
        return at(m_ReadPosition++).m_Char;
    }
    if (m_Size >= MAX_LENGTH_TOKEN || isSourceEnd())
        return 0;
    readFromSource();
    m_ReadPosition = m_Size;
    return at(m_Size - 1).m_Char;
}

CStreamPosition CStackStreamIn::getStreamPosition(int index) const
{
    if (index >= 0 && index < m_Size)
        return at(index);
    CStreamPosition record;
    record.m_Line = m_LastLine;
    record.m_Column = m_LastColumn;
    return record;
}

void CStackStreamIn::raise(const char* code, const char* text) const
{
    throw CStreamException(code, getLine(), getColumn(), text);
}

// Moves the gap to position, then widens it over count records.
void CStackStreamIn::remove(int position, int count)
{
    if (position < m_GapStart) {
        std::memmove(m_Storage + position + m_GapLength, m_Storage + position,
                     sizeof(CStreamPosition) * (m_GapStart - position));
    } else if (position > m_GapStart) {
        std::memmove(m_Storage + m_GapStart, m_Storage + m_GapStart + m_GapLength,
                     sizeof(CStreamPosition) * (position - m_GapStart));
    }
    m_GapStart = position;
    m_GapLength += count;
    m_Size -= count;
    m_ReadPosition = position;
}

bool CStackStreamIn::match(char c, int position)
{
    if (position < 0)
        raise("ERROR_MATCH_00001", "CStackStreamIn::match(...) SYSTEM ERROR : pos < 0");
    if (position >= m_Size)
        raise(
            "ERROR_MATCH_00002",
            "CStackStreamIn::match(...) SYSTEM ERROR : pos >= m_CurrentSizeBuffer || pos >= MAX_LENGTH_TOKEN");
    const CStreamPosition& record = at(position);
    if (record.m_Char != c)
        throw CStreamException(
            "ERROR_MATCH_00004", record.m_Line, record.m_Column,
            "CStackStreamIn::match(...) SYSTEM ERROR : it is a insufficient token");
    remove(position, 1);
    return true;
}

bool CStackStreamIn::match(const CTokenString& token, int position)
{
    const int length = token.length();
    if (length == 0)
        return true;
    if (position < 0)
        raise("ERROR_MATCH_00005", "CStackStreamIn::match(...) SYSTEM ERROR : pos < 0");
    if (position >= m_Size)
        raise(
            "ERROR_MATCH_00006",
            "CStackStreamIn::match(...) SYSTEM ERROR : pos >= m_CurrentSizeBuffer || pos >= MAX_LENGTH_TOKEN");
    if (length > m_Size - position)
        raise("ERROR_MATCH_00007",
              "CStackStreamIn::match(...) SYSTEM ERROR : (len + pos) > m_CurrentSizeBuffer || "
              "(len + pos) > MAX_LENGTH_TOKEN");
    for (int i = 0; i < length; ++i) {
        if (at(position + i).m_Char != token.charAt(i)) {
            const CStreamPosition& record = at(position);
            throw CStreamException(
                "ERROR_MATCH_00008", record.m_Line, record.m_Column, token,
                "CStackStreamIn::match(...) SYSTEM ERROR : it is a insufficient token");
        }
    }
    remove(position, length);
    return true;
}

bool CStackStreamIn::match(int count, int position)
{
    if (count == 0 || m_Size == 0)
        return true;
    if (position < 0)
        raise("ERROR_MATCH_00009", "CStackStreamIn::match(...) SYSTEM ERROR : pos < 0");
    if (position >= m_Size)
        raise(
            "ERROR_MATCH_00010",
            "CStackStreamIn::match(...) SYSTEM ERROR : pos >= m_CurrentSizeBuffer || pos >= MAX_LENGTH_TOKEN");
    if (count < 1)
        raise("ERROR_MATCH_00011", "CStackStreamIn::match(...) SYSTEM ERROR : count < 1");
    remove(position, count < m_Size - position ? count : m_Size - position);
    return true;
}

} // namespace xonQMInterpreter
