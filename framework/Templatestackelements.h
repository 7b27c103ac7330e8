#pragma once

#include <array>
#include <utility>

// A stack of at most N elements that keeps the newest: pushing onto a full stack drops the
// oldest. With the filter on, every element passes through accept(), which may refuse it or
// change the form in which it is kept.
template <class T, int N>
class CTemplateStackElements
{
public:
    static_assert(N > 0);

    virtual ~CTemplateStackElements() = default;

    // The index of the new element, or count - 1 when the filter refused it.
    int push(const T& element)
    {
        T stored = element;
        if (m_UseFilter && !accept(element, stored))
            return m_Count - 1;
        if (m_Count == N) {
            for (int i = 1; i < N; ++i)
                m_Elements[i - 1] = std::move(m_Elements[i]);
            --m_Count;
        }
        m_Elements[m_Count] = std::move(stored);
        return m_Count++;
    }

    int getCount() const { return m_Count; }
    // The element at the index, oldest first; an empty element outside 0..count-1.
    T get(int index) const
    {
        if (index < 0 || index >= m_Count || index >= N)
            return T();
        return m_Elements[index];
    }
    void clear()
    {
        m_Elements = {};
        m_Count = 0;
    }

protected:
    explicit CTemplateStackElements(bool useFilter = false)
        : m_UseFilter(useFilter)
    {
    }

    // Decides whether an element is kept and in what form; the base keeps every one as it is.
    virtual bool accept(const T& element, T& stored) const
    {
        stored = element;
        return true;
    }

private:
    std::array<T, N> m_Elements{};
    int m_Count = 0;
    bool m_UseFilter;
};
