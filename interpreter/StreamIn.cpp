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
    const char c = m_Position >= 0 && m_Position < m_Length ? m_Text[m_Position] : 0;
    ++m_Position;
    return c;
}

void CStreamInString::release()
{
    m_Copy.reset();
    m_Text = nullptr;
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
    m_Length = length;
    return true;
}

void CStreamInString::attachText(const char* text, int length)
{
    release();
    if (text != nullptr && length > 0) {
        m_Text = text;
        m_Length = length;
    }
}

} // namespace xonQMInterpreter
