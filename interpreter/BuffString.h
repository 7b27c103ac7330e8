#pragma once

#include <memory>

namespace xonQMInterpreter {

// A growable byte string that carries whole texts into and out of the interpreter. It grows
// by doubling (at least to the length needed, at most MAX_LENGTH_BUFFER bytes); running out
// of memory is an answer of false, never an exception.
class CBuffString
{
public:
    CBuffString();
    CBuffString(const char* text);
    CBuffString(const CBuffString& other);
    CBuffString(CBuffString&& other) noexcept;
    ~CBuffString();

    CBuffString& operator=(const CBuffString& other);
    CBuffString& operator=(CBuffString&& other) noexcept;
    CBuffString& operator=(const char* text);

    // Replaces the text; grows to exactly the size needed and never shrinks.
    bool assign(const char* text);
    bool assign(const char* text, int count);
    void set(const char* text) { assign(text); }
    // Appends a NUL-terminated text; growth is geometric.
    bool add(const char* text);
    bool add(const char* text, int count);
    // A NUL character changes nothing.
    bool append(char c);

    const char* c_str() const { return m_Buffer ? m_Buffer.get() : ""; }
    int length() const { return m_Length; }
    int getCapacity() const { return m_Capacity; }
    bool isEmpty() const { return m_Length == 0; }
    bool hasNonSpace() const;
    char charAt(int index) const;

    // First index at or after start where text stands; -1 when it does not.
    int find(const char* text, int start) const;
    // The bytes from start, count cut at the end; the whole string for arguments that select
    // nothing.
    CBuffString subString(int start, int count) const;

private:
    bool reallocate(int capacity, bool keepText);

    std::unique_ptr<char[]> m_Buffer;
    int m_Capacity = 0;
    int m_Length = 0;
};

} // namespace xonQMInterpreter
