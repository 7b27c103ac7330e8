#pragma once

#include "ArrayElements.h"
#include "LimitString.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace xonQMInterpreter {

// The name an element is looked up by.
template <class T>
std::string_view elementName(const T& element)
{
    return element.getName().view();
}
inline std::string_view elementName(const CNameString& element)
{
    return element.view();
}

// A name table: elements in insertion order with a hashed index beside them, so a lookup
// costs no scan of the table yet answers what a scan from the first element would: the first
// element of a name wins, later ones with the same name stay hidden. Names compare byte for
// byte, case-sensitive.
template <class T>
class CArrayNamedElements : public CArrayElements<T, CNameString>
{
public:
    bool find(const CNameString& name, int& index) override
    {
        const int found = indexOf(name);
        if (found < 0)
            return false;
        index = found;
        return true;
    }

protected:
    // Index of the first element with that name, -1 when there is none.
    int indexOf(const CNameString& name) const
    {
        const std::string_view key = name.view();
        return indexOfHashed(key, hashName(key));
    }
    T* findElement(const CNameString& name) const { return this->m_Elements.get(indexOf(name)); }

    // Appends an element the table then owns; false (and the element deleted) when it cannot
    // be stored.
    bool addNamed(std::unique_ptr<T> element)
    {
        if (!element)
            return false;
        const int index = this->getCount();
        const std::string_view name = elementName(*element);
        if (!this->addElement(std::move(element)))
            return false;
        const uint32_t hash = hashName(name);
        if (indexOfHashed(name, hash) < 0)
            insert(hash, index);
        return true;
    }

    void onDeleteAll() override
    {
        m_Slots.clear();
        m_Used = 0;
    }

private:
    struct TSlot
    {
        uint32_t hash;
        int32_t index; // -1: empty
    };
    static constexpr size_t FIRST_SLOT_COUNT = 16;

    static uint32_t hashName(std::string_view name)
    {
        uint32_t hash = 2166136261u; // FNV-1a
        for (const char c : name) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 16777619u;
        }
        return hash;
    }

    int indexOfHashed(std::string_view key, uint32_t hash) const
    {
        if (m_Slots.empty())
            return -1;
        const size_t mask = m_Slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const TSlot& slot = m_Slots[i];
            if (slot.index < 0)
                return -1;
            if (slot.hash == hash && elementName(*this->m_Elements.get(slot.index)) == key)
                return slot.index;
        }
    }

    void insert(uint32_t hash, int index)
    {
        // Kept at most half full so probes stay short.
        if (2 * (m_Used + 1) > m_Slots.size())
            rehash(m_Slots.empty() ? FIRST_SLOT_COUNT : 2 * m_Slots.size());
        place(m_Slots, hash, index);
        ++m_Used;
    }

    static void place(std::vector<TSlot>& slots, uint32_t hash, int index)
    {
        const size_t mask = slots.size() - 1;
        size_t i = hash & mask;
        while (slots[i].index >= 0)
            i = (i + 1) & mask;
        slots[i] = TSlot{hash, index};
    }

    void rehash(size_t count)
    {
        std::vector<TSlot> slots(count, TSlot{0, -1});
        for (const TSlot& slot : m_Slots)
            if (slot.index >= 0)
                place(slots, slot.hash, slot.index);
        m_Slots.swap(slots);
    }

    std::vector<TSlot> m_Slots;
    size_t m_Used = 0;
};

} // namespace xonQMInterpreter
