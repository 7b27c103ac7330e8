#pragma once

#include "BuffString.h"
#include "Containers.h"
#include "LimitString.h"
#include "Value.h"

#include <memory>

namespace xonQMInterpreter {

// The base of every name table: owned elements in insertion order (the order of lookups and
// of the results), looked up by a key, and one protocol for running an element:
// setParameters, then perform(key), then getResult on success or getErrorText on failure.
template <class T, class K>
class CArrayElements
{
public:
    CArrayElements() = default;
    CArrayElements(const CArrayElements&) = delete;
    CArrayElements& operator=(const CArrayElements&) = delete;
    virtual ~CArrayElements() { deleteAll(); }

    virtual void setParameters(const C1DArray<CValue>& arguments) = 0;
    virtual void getErrorText(CMessageString& text) { (void)text; }
    virtual void getResult(CValue& value) = 0;
    virtual CBuffString getText() = 0;
    // Creates the table's built-in elements.
    virtual void fill() = 0;
    // The index of the first element with the key.
    virtual bool find(const K& key, int& index) = 0;
    virtual bool perform(const K& key) = 0;

    // Deletes every element and frees the storage; the table can be filled again.
    void deleteAll()
    {
        for (int i = 0; i < m_Elements.getCount(); ++i)
            delete m_Elements.get(i);
        m_Elements.release();
        onDeleteAll();
    }
    int getCount() const { return m_Elements.getCount(); }
    T* getElement(int index) const { return m_Elements.get(index); }

protected:
    // Takes ownership; an element that cannot be stored is deleted and the answer is false.
    bool addElement(std::unique_ptr<T> element)
    {
        if (!element || !m_Elements.add(element.get()))
            return false;
        element.release();
        return true;
    }
    // Lets a table drop what it keeps beside its elements (a lookup index).
    virtual void onDeleteAll() { }

    C1DContainerPtr<T> m_Elements;
};

} // namespace xonQMInterpreter
