#include "BuffString.h"

#include "CharClasses.h"
#include "Limits.h"

#include <cstring>
#include <new>
#include <string_view>
#include <utility>

namespace xonQMInterpreter {

CBuffString::CBuffString()
{
    reallocate(0, false);
}

CBuffString::CBuffString(const char* text)
{
    if (!assign(text))
        reallocate(0, false);
}

CBuffString::CBuffString(const CBuffString& other)
{
    if (!assign(other.c_str(), other.length()))
        reallocate(0, false);
}

CBuffString::CBuffString(CBuffString&& other) noexcept
    : m_Buffer(std::move(other.m_Buffer))
    , m_Capacity(other.m_Capacity)
    , m_Length(other.m_Length)
{
    other.m_Capacity = 0;
    other.m_Length = 0;
}

CBuffString::~CBuffString() = default;

CBuffString& CBuffString::operator=(const CBuffString& other)
{
    if (this != &other)
        assign(other.c_str(), other.length());
    return *this;
}

CBuffString& CBuffString::operator=(CBuffString&& other) noexcept
{
    if (this != &other) {
        m_Buffer = std::move(other.m_Buffer);
        m_Capacity = other.m_Capacity;
        m_Length = other.m_Length;
        other.m_Capacity = 0;
        other.m_Length = 0;
    }
    return *this;
}

CBuffString& CBuffString::operator=(const char* text)
{
    assign(text);
    return *this;
}

bool CBuffString::reallocate(int capacity, bool keepText)
{
    char* block = new (std::nothrow) char[static_cast<size_t>(capacity) + 1];
    if (block == nullptr)
        return false;
    const int kept = keepText ? m_Length : 0;
    if (kept > 0)
        std::memcpy(block, m_Buffer.get(), kept);
    block[kept] = 0;
    m_Buffer.reset(block);
    m_Capacity = capacity;
    m_Length = kept;
    return true;
}

bool CBuffString::assign(const char* text)
{
    if (text == nullptr)
        return false;
    return assign(text, static_cast<int>(strnlen(text, MAX_LENGTH_BUFFER)));
}

bool CBuffString::assign(const char* text, int count)
{
    if (text == nullptr)
        return false;
    if (count < 0)
        count = 0;
    if (count > MAX_LENGTH_BUFFER)
        count = MAX_LENGTH_BUFFER;
    if (m_Capacity < count || !m_Buffer) {
        // The source may live inside this string's own buffer.
        std::unique_ptr<char[]> old = std::move(m_Buffer);
        const char* source = text;
        m_Length = 0;
        if (!reallocate(count, false)) {
            reallocate(0, false);
            return false;
        }
        std::memcpy(m_Buffer.get(), source, count);
    } else {
        std::memmove(m_Buffer.get(), text, count);
    }
    m_Length = count;
    m_Buffer[count] = 0;
    return true;
}

bool CBuffString::add(const char* text)
{
    if (text == nullptr)
        return false;
    return add(text, static_cast<int>(strnlen(text, MAX_LENGTH_BUFFER)));
}

bool CBuffString::add(const char* text, int count)
{
    if (text == nullptr)
        return false;
    if (count <= 0)
        return true;
    long long wanted = static_cast<long long>(m_Length) + count;
    if (wanted > MAX_LENGTH_BUFFER)
        wanted = MAX_LENGTH_BUFFER;
    const int newLength = static_cast<int>(wanted);
    const int copied = newLength - m_Length;
    if (copied <= 0)
        return true;
    if (m_Capacity < newLength) {
        long long capacity = 2LL * m_Capacity;
        if (capacity < newLength)
            capacity = newLength;
        if (capacity > MAX_LENGTH_BUFFER)
            capacity = MAX_LENGTH_BUFFER;
        // Keep the old block until the bytes are copied: text may point into it.
        std::unique_ptr<char[]> old = std::move(m_Buffer);
        char* block = new (std::nothrow) char[static_cast<size_t>(capacity) + 1];
        if (block == nullptr) {
            m_Buffer = std::move(old);
            return false;
        }
        if (m_Length > 0)
            std::memcpy(block, old.get(), m_Length);
        std::memcpy(block + m_Length, text, copied);
        m_Buffer.reset(block);
        m_Capacity = static_cast<int>(capacity);
    } else {
        std::memmove(m_Buffer.get() + m_Length, text, copied);
    }
    m_Length = newLength;
    m_Buffer[m_Length] = 0;
    return true;
}

bool CBuffString::append(char c)
{
    if (c == 0)
        return true;
    return add(&c, 1);
}

bool CBuffString::hasNonSpace() const
{
    for (int i = 0; i < m_Length; ++i)
        if (!isBlankChar(m_Buffer[i]))
            return true;
    return false;
}

char CBuffString::charAt(int index) const
{
    return index >= 0 && index < m_Length ? m_Buffer[index] : 0;
}

int CBuffString::find(const char* text, int start) const
{
    if (text == nullptr || *text == 0 || start < 0 || start >= m_Length)
        return -1;
    const std::string_view haystack(m_Buffer.get(), m_Length);
    const size_t p = haystack.find(text, static_cast<size_t>(start));
    return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

CBuffString CBuffString::subString(int start, int count) const
{
    CBuffString result;
    if (m_Length == 0 || start < 0 || count < 1 || start >= m_Length) {
        result.assign(c_str(), m_Length);
        return result;
    }
    if (count > m_Length - start)
        count = m_Length - start;
    result.assign(m_Buffer.get() + start, count);
    return result;
}

} // namespace xonQMInterpreter
