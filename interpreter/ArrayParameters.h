#pragma once

#include "ArrayNamedElements.h"

namespace xonQMInterpreter {

// The parameter names of the user function being defined, in the order written; a name's
// index is its parameter's slot.
class CArrayParameters : public CArrayNamedElements<CNameString>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override { (void)arguments; }
    void getErrorText(CMessageString& text) override { text = m_ErrorText; }
    void getResult(CValue& value) override { (void)value; }
    CBuffString getText() override { return CBuffString(); }
    void fill() override { deleteAll(); }
    // True when the name is a parameter.
    bool perform(const CNameString& name) override;

    // Appends a name; index receives its position. A repeated name is appended again and
    // stays hidden behind the first.
    bool add(const CNameString& name, int& index);

private:
    CNameString m_ErrorText;
};

} // namespace xonQMInterpreter
