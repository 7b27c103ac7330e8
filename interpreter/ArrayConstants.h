#pragma once

#include "ArrayNamedElements.h"
#include "Constants.h"

namespace xonQMInterpreter {

// The built-in constants "_PI" and "_E".
class CArrayConstants : public CArrayNamedElements<CConstant>
{
public:
    void setParameters(const C1DArray<CValue>& arguments) override { (void)arguments; }
    void getErrorText(CMessageString& text) override { text = m_ErrorText; }
    void getResult(CValue& value) override { value = m_Result; }
    CBuffString getText() override { return CBuffString(); }
    void fill() override;
    // Delivers the constant's value as the result.
    bool perform(const CNameString& name) override;

private:
    CValue m_Result;
    CMessageString m_ErrorText;
};

} // namespace xonQMInterpreter
