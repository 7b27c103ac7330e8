#pragma once

#include "ArrayNamedElements.h"
#include "Variable.h"

namespace xonQMInterpreter {

// The variables of the current run, in the order they were first named: the order of the
// results.
class CArrayVariables : public CArrayNamedElements<CVariable>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override { (void)arguments; }
    void getErrorText(CMessageString& text) override { text = m_ErrorText; }
    void getResult(CValue& value) override { value = m_Result; }
    CBuffString getText() override { return CBuffString(); }
    // Variables have no built-ins; the table is left as it is.
    void fill() override { }
    // Delivers the value; fails for a variable that holds none yet.
    bool perform(const CNameString& name) override;

    // Appends a new variable (value 0, not initialised).
    bool add(std::unique_ptr<CVariable> variable) { return addNamed(std::move(variable)); }
    // False, flag untouched, when no variable has that name.
    bool isInitialised(const CNameString& name, bool& initialised);
    // Stores the value and marks the variable initialised.
    bool setValue(const CNameString& name, const CValue& value);
    // The stored value, initialised or not.
    bool getValue(const CNameString& name, CValue& value);
    // Name and value of the variable at index, for the results.
    bool getResult(int index, CNameString& name, CValue& value);

private:
    void setNotFound(const CNameString& name);

    CValue m_Result;
    CMessageString m_ErrorText;
};

} // namespace xonQMInterpreter
