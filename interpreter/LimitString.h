#pragma once

#include "CharClasses.h"
#include "Limits.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace xonQMInterpreter {

// A byte string of fixed capacity N. Every write cuts silently at N, so a too-long name or
// message never fails and never overruns. The text is kept inline; copies move only the
// bytes in use.
template <int N>
class CLimitString
{
public:
    static_assert(N > 0);

    CLimitString() { m_Buffer[0] = 0; }
    CLimitString(const char* text) { assign(text); }
    CLimitString(const CLimitString& other) { copyFrom(other); }
    template <int M>
    CLimitString(const CLimitString<M>& other)
    {
        copyFrom(other);
    }

    CLimitString& operator=(const CLimitString& other)
    {
        if (this != &other)
            copyFrom(other);
        return *this;
    }
    CLimitString& operator=(const char* text)
    {
        assign(text);
        return *this;
    }

    // A null text gives the empty string.
    void assign(const char* text)
    {
        if (text == nullptr) {
            clear();
            return;
        }
        copyFrom(text, static_cast<int>(strnlen(text, N)));
    }
    // The first count bytes of text (stops early at a NUL byte).
    void assign(const char* text, int count)
    {
        if (text == nullptr || count <= 0) {
            clear();
            return;
        }
        copyFrom(text, static_cast<int>(strnlen(text, count < N ? count : N)));
    }
    template <int M>
    void assign(const CLimitString<M>& other)
    {
        if (static_cast<const void*>(&other) != static_cast<const void*>(this))
            copyFrom(other);
    }

    // Null: false, no change. Otherwise appends what fits and answers true.
    bool append(const char* text)
    {
        if (text == nullptr)
            return false;
        const int room = N - m_Length;
        appendBytes(text, static_cast<int>(strnlen(text, room)));
        return true;
    }
    template <int M>
    bool append(const CLimitString<M>& other)
    {
        const int room = N - m_Length;
        appendBytes(other.c_str(), other.length() < room ? other.length() : room);
        return true;
    }
    // A NUL byte or a full string changes nothing.
    bool append(char c)
    {
        if (c != 0 && m_Length < N) {
            m_Buffer[m_Length++] = c;
            m_Buffer[m_Length] = 0;
        }
        return true;
    }

    // Removes count bytes at start; nothing when start lies outside the text.
    void remove(int start, int count)
    {
        if (m_Length == 0 || start < 0 || start >= m_Length || count <= 0)
            return;
        if (count > m_Length - start)
            count = m_Length - start;
        std::memmove(m_Buffer + start, m_Buffer + start + count, m_Length - start - count + 1);
        m_Length -= count;
    }
    void erase(int start, int count) { remove(start, count); }

    void trimLeft()
    {
        int n = 0;
        while (n < m_Length && isBlankChar(m_Buffer[n]))
            ++n;
        remove(0, n);
    }
    void trimRight()
    {
        while (m_Length > 0 && isBlankChar(m_Buffer[m_Length - 1]))
            --m_Length;
        m_Buffer[m_Length] = 0;
    }
    void trim()
    {
        trimLeft();
        trimRight();
    }

    void clear()
    {
        m_Length = 0;
        m_Buffer[0] = 0;
    }

    const char* c_str() const { return m_Buffer; }
    std::string_view view() const { return std::string_view(m_Buffer, m_Length); }
    int length() const { return m_Length; }
    bool isEmpty() const { return m_Length == 0; }
    static constexpr int getCapacity() { return N; }
    // 0 outside the text.
    char charAt(int index) const { return index >= 0 && index < m_Length ? m_Buffer[index] : 0; }

    // True when some byte is not white space.
    bool hasNonSpace() const
    {
        for (int i = 0; i < m_Length; ++i)
            if (!isBlankChar(m_Buffer[i]))
                return true;
        return false;
    }

    // Byte-exact and case-sensitive, no locale, no trimming.
    template <int M>
    bool operator==(const CLimitString<M>& other) const
    {
        return view() == other.view();
    }
    bool operator==(const char* text) const
    {
        return text != nullptr && view() == std::string_view(text);
    }
    template <int M>
    bool operator!=(const CLimitString<M>& other) const
    {
        return !(*this == other);
    }
    bool operator!=(const char* text) const { return !(*this == text); }

private:
    template <int M>
    friend class CLimitString;

    // Bytes copied in one fixed-size move when a short text is copied between two strings.
    static constexpr int SHORT_COPY = 32;

    // Texts of names and tokens are mostly short: a fixed-size copy of a whole short prefix
    // of the buffer (bytes past the text included) costs less than a copy of just the text.
    template <int M>
    void copyFrom(const CLimitString<M>& other)
    {
        const int count = other.m_Length < N ? other.m_Length : N;
        if constexpr (N >= SHORT_COPY && M >= SHORT_COPY) {
            if (count < SHORT_COPY) {
                std::memcpy(m_Buffer, other.m_Buffer, SHORT_COPY);
                m_Length = count;
                m_Buffer[count] = 0;
                return;
            }
        }
        copyFrom(other.m_Buffer, count);
    }
    void copyFrom(const char* text, int count)
    {
        if (count > N)
            count = N;
        std::memcpy(m_Buffer, text, count);
        m_Length = count;
        m_Buffer[count] = 0;
    }
    void appendBytes(const char* text, int count)
    {
        std::memcpy(m_Buffer + m_Length, text, count);
        m_Length += count;
        m_Buffer[m_Length] = 0;
    }

    int m_Length = 0;
    char m_Buffer[N + 1];
};

using CNameString = CLimitString<MAX_LENGTH_NAME>;
using CMessageString = CLimitString<MAX_LENGTH_MESSAGE>;
using CTokenString = CLimitString<MAX_LENGTH_TOKEN>;

// A whole number in decimal, with a leading "-" when negative.
inline CNameString integerText(long long number)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, number).ptr;
    *end = 0;
    return CNameString(digits);
}

// Message texts are composed by joining; each join gives a new 512-byte string cut at its
// capacity, the operands unchanged.
template <int M>
CMessageString operator+(const CMessageString& left, const CLimitString<M>& right)
{
    CMessageString result(left);
    result.append(right);
    return result;
}
inline CMessageString operator+(const CMessageString& left, const char* right)
{
    CMessageString result(left);
    result.append(right);
    return result;
}
template <int M>
CMessageString operator+(const char* left, const CLimitString<M>& right)
{
    CMessageString result(left);
    result.append(right);
    return result;
}

} // namespace xonQMInterpreter
