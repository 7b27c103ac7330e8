#pragma once

#include <vector>

namespace xonQMInterpreter {

// A stack whose first N entries are kept inside it: the work lists of tree walks are short for
// every statement a person writes, and then cost no allocation; a deep tree's list spills into
// the heap.
template <class T, int N>
class CInlineStack
{
public:
    static_assert(N > 0);

    bool isEmpty() const { return m_Count == 0; }
    int size() const { return m_Count; }
    void push(const T& value)
    {
        if (m_Count < N)
            m_Local[m_Count] = value;
        else
            m_More.push_back(value);
        ++m_Count;
    }
    // The stack must not be empty.
    T pop()
    {
        --m_Count;
        if (m_Count < N)
            return m_Local[m_Count];
        const T value = m_More.back();
        m_More.pop_back();
        return value;
    }
    // Index 0 is the entry pushed first.
    T& operator[](int index) { return index < N ? m_Local[index] : m_More[index - N]; }

private:
    T m_Local[N];
    std::vector<T> m_More;
    int m_Count = 0;
};

} // namespace xonQMInterpreter
