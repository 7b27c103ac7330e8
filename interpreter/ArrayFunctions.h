#pragma once

#include "ArrayNamedElements.h"
#include "Function.h"
#include "MessageTexts.h"

namespace xonQMInterpreter {

// What the standard-function and user-function tables share: functions looked up by name and
// run with an argument list.
template <class T>
class CArrayFunctions : public CArrayNamedElements<T>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override { m_Arguments = arguments; }
    void getErrorText(CMessageString& text) override { text = m_ErrorText; }
    void getResult(CValue& value) override { value = m_Result; }
    CBuffString getText() override { return CBuffString(); }
    bool perform(const CNameString& name) override
    {
        return perform(name, m_Arguments, m_Result, m_ErrorText);
    }

    using CArrayNamedElements<T>::find;
    // Also copies the found function's signature.
    bool find(const CNameString& name, int& index, CSignature& signature)
    {
        const int found = this->indexOf(name);
        if (found < 0)
            return false;
        index = found;
        signature = this->getElement(found)->getSignature();
        return true;
    }

    // Runs the function with the caller's own arguments, result and error text, so that a
    // call made while another is running (a user function's body calling another) shares
    // nothing with it.
    bool perform(const CNameString& name, const C1DArray<CValue>& arguments, CValue& result,
                 CMessageString& errorText)
    {
        T* function = this->findElement(name);
        if (function == nullptr)
            return setNotFound(name, errorText);
        return function->perform(arguments, result, errorText);
    }

private:
    // Out of line: user functions call each other through this table, so this frame is part
    // of every level of such calls.
    [[gnu::noinline]] static bool setNotFound(const CNameString& name, CMessageString& errorText)
    {
        errorText = msgFunctionNameNotFound() + " : " + name;
        return false;
    }

    C1DArray<CValue> m_Arguments;
    CValue m_Result;
    CMessageString m_ErrorText;
};

} // namespace xonQMInterpreter
