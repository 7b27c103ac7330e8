#include "StreamIn.h"

#include "Limits.h"

#include <cstring>
#include <new>

namespace xonQMInterpreter {

bool CStreamInString::moveFirst()
{
    m_Position = 0;
    return true;
}

bool CStreamInString::reset()
{
    m_Position = 0;
    return true;
}

char CStreamInString::getChar()
{
    const char c = m_Position >= 0 && m_Position < m_Length ? charAt(m_Position) : 0;
    ++m_Position;
    return c;
}

int CStreamInString::read(char* buffer, int count)
{
    if (m_Position < 0 || m_Position >= m_Length || count <= 0)
        return 0;
    const int read = count < m_Length - m_Position ? count : m_Length - m_Position;
    const int fromText = m_TextLength - m_Position < read ? m_TextLength - m_Position : read;
    if (fromText > 0)
        std::memcpy(buffer, m_Text + m_Position, fromText);
    for (int i = fromText < 0 ? 0 : fromText; i < read; ++i)
        buffer[i] = ' ';
    m_Position += read;
    return read;
}

void CStreamInString::release()
{
    m_Copy.reset();
    m_Text = nullptr;
    m_TextLength = 0;
    m_Length = 0;
    m_Position = 0;
}

bool CStreamInString::setText(const char* text)
{
    release();
    if (text == nullptr)
        return true;
    const int length = static_cast<int>(strnlen(text, MAX_LENGTH_BUFFER));
    if (length == 0)
        return true;
    char* copy = new (std::nothrow) char[length];
    if (copy == nullptr)
        return false;
    std::memcpy(copy, text, length);
    m_Copy.reset(copy);
    m_Text = copy;
    m_TextLength = length;
    m_Length = length;
    return true;
}

void CStreamInString::attachText(const char* text, int length, bool trailingBlank)
{
    release();
    if (text != nullptr && length > 0) {
        m_Text = text;
        m_TextLength = length;
        m_Length = trailingBlank ? length + 1 : length;
    }
}

} // namespace xonQMInterpreter
