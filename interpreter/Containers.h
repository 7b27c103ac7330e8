#pragma once

#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

namespace xonQMInterpreter {

// The text of the exception that C1DArray::get raises for a bad index.
inline constexpr const char* TEXT_WRONG_ARRAY_INDEX =
    "Wrong value of an index for an element of the array.";

// Capacity after growing a full block: a first block of one entry, then doubling.
constexpr int nextCapacity(int capacity)
{
    return capacity == 0 ? 1 : 2 * capacity;
}

// An array of pointers in insertion order. It does not own what they point at: its owner
// (a name table, a node) deletes the elements.
template <class T>
class C1DContainerPtr
{
public:
    C1DContainerPtr() = default;
    C1DContainerPtr(const C1DContainerPtr&) = delete;
    C1DContainerPtr& operator=(const C1DContainerPtr&) = delete;
    ~C1DContainerPtr() = default;

    // Makes room for one more pointer; false when memory cannot be had (nothing changes).
    bool grow()
    {
        if (m_Count < m_Capacity)
            return true;
        const int capacity = nextCapacity(m_Capacity);
        if (capacity <= INLINE_COUNT) {
            m_Capacity = capacity;
            return true;
        }
        T** block = new (std::nothrow) T*[capacity];
        if (block == nullptr)
            return false;
        for (int i = 0; i < m_Count; ++i)
            block[i] = m_Data[i];
        m_Block.reset(block);
        m_Data = block;
        m_Capacity = capacity;
        return true;
    }
    // Appends a pointer; false when no room could be made.
    bool add(T* element)
    {
        if (!grow())
            return false;
        m_Data[m_Count++] = element;
        return true;
    }
    // Null for an index outside 0 to count - 1.
    T* get(int index) const { return index >= 0 && index < m_Count ? m_Data[index] : nullptr; }
    // Overwrites a slot without deleting what it held; false for a bad index.
    bool set(int index, T* element)
    {
        if (index < 0 || index >= m_Count)
            return false;
        m_Data[index] = element;
        return true;
    }
    // Forgets every pointer and frees the block.
    void release()
    {
        m_Block.reset();
        m_Data = m_Inline;
        m_Count = 0;
        m_Capacity = 0;
    }
    int getCount() const { return m_Count; }
    int getCapacity() const { return m_Capacity; }

private:
    // Most nodes have one or two children: their pointers are kept in place, with no block
    // of their own to allocate and free.
    static constexpr int INLINE_COUNT = 2;

    T* m_Inline[INLINE_COUNT] = {};
    std::unique_ptr<T*[]> m_Block;
    // m_Inline while the capacity fits there, else the block.
    T** m_Data = m_Inline;
    int m_Count = 0;
    int m_Capacity = 0;
};

// An array of values.
template <class T>
class C1DArray
{
public:
    C1DArray() = default;
    C1DArray(const C1DArray& other) { *this = other; }
    C1DArray& operator=(const C1DArray& other)
    {
        if (this == &other)
            return *this;
        if (!reserve(other.m_Count))
            return *this;
        for (int i = 0; i < other.m_Count; ++i)
            m_Block[i] = other.m_Block[i];
        m_Count = other.m_Count;
        return *this;
    }
    ~C1DArray() = default;

    bool grow()
    {
        if (m_Count < m_Capacity)
            return true;
        return reallocate(nextCapacity(m_Capacity));
    }
    bool add(const T& value)
    {
        if (!grow())
            return false;
        m_Block[m_Count++] = value;
        return true;
    }
    // Raises the capacity, keeping count and values; never shrinks.
    bool reserve(int count)
    {
        if (count <= m_Capacity)
            return true;
        return reallocate(count);
    }
    // Exactly count values (new ones hold their default); 0 frees the block.
    bool resize(int count)
    {
        if (count < 0)
            return false;
        if (count == 0) {
            m_Block.reset();
            m_Count = 0;
            m_Capacity = 0;
            return true;
        }
        if (count != m_Capacity) {
            T* block = new (std::nothrow) T[count]();
            if (block == nullptr)
                return false;
            const int kept = m_Count < count ? m_Count : count;
            for (int i = 0; i < kept; ++i)
                block[i] = m_Block[i];
            m_Block.reset(block);
            m_Capacity = count;
        }
        m_Count = count;
        return true;
    }
    // Raises std::out_of_range with TEXT_WRONG_ARRAY_INDEX for a bad index.
    const T& get(int index) const
    {
        if (index < 0 || index >= m_Count)
            throw std::out_of_range(TEXT_WRONG_ARRAY_INDEX);
        return m_Block[index];
    }
    // Writes a value at an existing index; false for a bad index.
    bool set(int index, const T& value)
    {
        if (index < 0 || index >= m_Count)
            return false;
        m_Block[index] = value;
        return true;
    }
    void clear() { m_Count = 0; }
    int getCount() const { return m_Count; }
    int getCapacity() const { return m_Capacity; }

private:
    bool reallocate(int capacity)
    {
        T* block = new (std::nothrow) T[capacity]();
        if (block == nullptr)
            return false;
        for (int i = 0; i < m_Count; ++i)
            block[i] = std::move(m_Block[i]);
        m_Block.reset(block);
        m_Capacity = capacity;
        return true;
    }

    std::unique_ptr<T[]> m_Block;
    int m_Count = 0;
    int m_Capacity = 0;
};

} // namespace xonQMInterpreter
